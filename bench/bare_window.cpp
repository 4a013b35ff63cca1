// The baseline for the start-up benchmark: the least a Qt Widgets program
// does to put one window on the screen. Built with the same flags as
// starkindle; it runs until the harness ends it, exactly like starkindle.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    // About the size of starkindle's main window, so both fill a similar
    // back buffer when they paint.
    window.setFixedSize(484, 360);
    window.show();
    return QApplication::exec();
}
