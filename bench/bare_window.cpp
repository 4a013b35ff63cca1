// The baselines for the start-up benchmark: the least a Qt Widgets program
// does to put one window on the screen, and (built with BARE_WITH_LABEL) the
// same window with one line of text, which shows what having text at all
// costs (fonts, shaping). Built with the same flags as starkindle; they run
// until the harness ends them, exactly like starkindle.

#include <QApplication>
#include <QWidget>
#ifdef BARE_WITH_LABEL
#include <QLabel>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(BARE_TITLE));
    // About the size of starkindle's main window, so both fill a similar
    // back buffer when they paint.
    window.setFixedSize(484, 360);
#ifdef BARE_WITH_LABEL
    auto *label = new QLabel(QStringLiteral("What is your sign?"), &window);
    label->move(20, 20);
#endif
    window.show();
    return QApplication::exec();
}
