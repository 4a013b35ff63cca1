#include "app/AppIcon.h"
#include "app/Forms.h"
#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("starkindle"));
    QApplication::setWindowIcon(AppIcon());
    // The application ends through its own exit route, not when a window
    // happens to be the last one hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    forms::Main()->show();
    return QApplication::exec();
}
