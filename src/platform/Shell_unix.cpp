#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform::detail {

namespace {
// Qt warns on stderr, with the whole address, when no browser can be found.
// The address may carry what the user typed, and failures are not ours to
// report, so the warning is dropped while the call runs.
void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

void NativeShellOpen(const QString &address)
{
    const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    qInstallMessageHandler(previous);
}

} // namespace platform::detail
