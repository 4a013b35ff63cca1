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

// The first box of a run also says how to get an opener.
bool toldHow = false;
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
    if (started)
        return;
    // Every link that fails says so, with its whole address to copy.
    const QString text = toldHow
        ? QCoreApplication::translate("Shell", "No web browser could be started to open this page. Copy the address "
                                               "below into a browser yourself.")
        : QCoreApplication::translate("Shell", "No web browser could be started to open this page. Install xdg-utils "
                                               "and a web browser, or copy the address below into a browser yourself.");
    toldHow = true;
    ShowMessageWithField(text, address, QCoreApplication::translate("Shell", "Address of the page"));
}

} // namespace platform::detail
