#include "platform/Shell.h"

#include <functional>

namespace platform {

// The slot platform/Testing.h fills; empty in the product.
namespace detail {
std::function<void(const QString &)> &ShellOpenSlot()
{
    static std::function<void(const QString &)> open;
    return open;
}
} // namespace detail

void ShellOpen(const QString &address)
{
    if (detail::ShellOpenSlot())
        detail::ShellOpenSlot()(address);
    else
        detail::NativeShellOpen(address);
}

} // namespace platform
