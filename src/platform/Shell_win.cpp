#include "platform/Shell.h"

#ifdef Q_OS_WIN
#include "platform/Shell_win.h"

namespace platform::detail {

// The slot platform/Testing.h fills; ShellExecuteA in the product.
ShellExecuteFunction &ShellExecuteSlot()
{
    static ShellExecuteFunction function = &ShellExecuteA;
    return function;
}

void NativeShellOpen(const QString &address)
{
    // No owner window, the "Open" verb, the address in the ANSI code page, no
    // parameters, a fixed working directory, shown normally. The result is
    // deliberately ignored: a link that cannot be opened is not an error.
    const QByteArray file = address.toLocal8Bit();
    ShellExecuteSlot()(nullptr, "Open", file.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
}

} // namespace platform::detail
#endif
