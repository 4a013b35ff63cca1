#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QList>
#include <QProcess>
#include <QUrl>

namespace platform::detail {

namespace {
// Qt warns on stderr, with the whole address, when no browser can be found.
// The address may carry what the user typed, so the warning is dropped while
// the call runs.
void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

// xdg-open (xdg-utils) hands the address to the desktop's browser, on X11
// and Wayland alike. Its output is dropped for the same reason as above.
// It may start and then find no browser (status 3), or be killed: its end is
// watched without blocking the window, and a failure gets the same box as a
// missing opener. False when it could not be started at all.
bool startXdgOpen(const QString &address)
{
    auto *opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({address});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    opener->start();
    // Returns as soon as the program runs (or could not be run); its end
    // comes through the event loop.
    if (!opener->waitForStarted()) {
        delete opener;
        return false;
    }
    // No parent, and deleted only once finished: deleting a QProcess kills
    // it, and an opener the application's end killed would lose the page it
    // was handing on. One still running at the end finishes on its own.
    QObject::connect(opener, &QProcess::finished, opener, [opener, address](int status, QProcess::ExitStatus how) {
        // The box below waits for the user: take what it needs first.
        const QString page = address;
        opener->deleteLater();
        if (how != QProcess::NormalExit || status != 0)
            TellNotOpened(page);
    });
    return true;
}
} // namespace

void NativeShellOpen(const QString &address)
{
    bool started = startXdgOpen(address);
    if (!started) {
        // Qt's own ways: a desktop portal, $BROWSER, the desktop's tools.
        const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
        started = QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
        qInstallMessageHandler(previous);
    }
    if (!started)
        TellNotOpened(address);
}

} // namespace platform::detail
