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
    // parameters, a fixed working directory, shown normally. A value of 32 or
    // less is a failure (no browser registered, say): the user is told, with
    // the address to copy.
    const QByteArray file = address.toLocal8Bit();
    const HINSTANCE result = ShellExecuteSlot()(nullptr, "Open", file.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        TellNotOpened(address);
}

} // namespace platform::detail
#endif
