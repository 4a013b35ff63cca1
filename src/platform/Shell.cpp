#include "platform/Shell.h"

namespace platform {

namespace {
ShellOpenHandler &handler()
{
    static ShellOpenHandler h;
    return h;
}
} // namespace

void ShellOpen(const QString &address)
{
    if (handler())
        handler()(address);
    else
        detail::NativeShellOpen(address);
}

void SetShellOpenHandler(ShellOpenHandler h)
{
    handler() = std::move(h);
}

} // namespace platform
