#include "Config.h"
#include "app/widgets/AppIcon.h"
#include "app/CommandLine.h"
#include "app/widgets/Look.h"
#include "app/NoDisplay.h"
#include "app/StartUp.h"
#include "i18n/Translations.h"
#include "platform/widgets/QtMessageBox.h"
#include "platform/FontWarmUp.h"
#include "platform/SingleInstance.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) a write, even a warning to standard
    // error redirected to a file, then fails instead of ending the process;
    // the settings store counts on it (a write past the limit fails like one
    // to a full disk). The one place the signal is set.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef SIGPIPE
    // An X server that resets closes the connection under a start that has
    // just reached it; the next write would end the process silently, where
    // a failed write lets the start try again (NoDisplayGuard) and a lost
    // connection later be reported. Programs we start get the default back
    // from QProcess.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    // --help and --version need no display, and an unknown option ends here.
    if (const std::optional<int> status = commandline::Handle(argc, argv))
        return *status;

    // The font configuration is read while the display is reached.
    platform::FontWarmUp fonts;

    // Asked before anything else exists; the claim is held until the process
    // ends.
    platform::InstanceGuard instance;
    const bool anotherInstanceRunning = !instance.tryAcquire();
    // No claim, where none may be missing: said at once, display or not.
    const bool refused = !anotherInstanceRunning && !instance.isHeld()
        && !platform::InstanceGuard::UnguardedStartAllowed();
    if (refused)
        std::fprintf(stderr, "starkindle: %s\n", qPrintable(startup::UnguardedStartText()));

    NoDisplayGuard noDisplay(argv);
    QApplication app(argc, argv);
    noDisplay.release();
    // Before any window or box: every text after this is in the user's
    // language.
    i18n::Install(i18n::Choose(i18n::SystemLanguages()));
    // One look everywhere: the panels and buttons set their own colours, which
    // the native Windows style ignores (grey on grey there). A menu bar's
    // hidden extension button loads its icon (and with it the image plugins)
    // only when it is shown. Text boxes keep their whole frame at fractional
    // scale factors. Pick lists open as lists of fifteen rows.
    QApplication::setStyle(look::ApplicationStyle());
    // Lets the desktop match the windows to the installed desktop file (and
    // its icon), on Wayland in particular.
    QGuiApplication::setDesktopFileName(QStringLiteral(STARKINDLE_APP_ID));
    // The application ends through its exit window, not when a window happens
    // to be the last one hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // The icon is drawn (at five sizes, for the window manager) once the main
    // window is on screen, so the window does not wait for it; a box shown
    // before then gets it first.
    const auto giveIcon = [] {
        if (QGuiApplication::windowIcon().isNull())
            QApplication::setWindowIcon(AppIcon());
    };
    platform::SetMessageHandler([giveIcon](const platform::MessageRequest &request) {
        giveIcon();
        return platform::ShowQtMessageBox(request);
    });
    platform::SetSaveFileHandler(&platform::AskQtFileToSave);
    // Every box and window from here on asks for fonts.
    fonts.wait();
    if (refused) {
        startup::RefuseUnguardedStart();
        return 1;
    }

    if (!startup::StartApplication(anotherInstanceRunning))
        return 0;
    giveIcon();
    return QApplication::exec();
}
