#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
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
bool startXdgOpen(const QString &address)
{
    QProcess opener;
    opener.setProgram(QStringLiteral("xdg-open"));
    opener.setArguments({address});
    opener.setStandardInputFile(QProcess::nullDevice());
    opener.setStandardOutputFile(QProcess::nullDevice());
    opener.setStandardErrorFile(QProcess::nullDevice());
    return opener.startDetached();
}

// Said once per run: the user learns why links do nothing, and a second
// link does not bring the same box again.
bool reported = false;
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
    if (started || reported)
        return;
    reported = true;
    ShowMessage(QCoreApplication::translate("Shell", "No web browser could be started to open this page:\n\n%1\n\n"
                                                     "Install xdg-utils and a web browser, or open the address "
                                                     "in a browser yourself.")
                    .arg(address));
}

} // namespace platform::detail
