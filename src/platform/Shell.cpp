#include "platform/Shell.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>

#include <functional>

namespace platform {

// The slot platform/Testing.h fills; empty in the product.
namespace detail {
std::function<void(const QString &)> &ShellOpenSlot()
{
    static std::function<void(const QString &)> open;
    return open;
}

void TellNotOpened(const QString &address)
{
#ifdef Q_OS_WIN
    const bool howToGetOne = false;
#else
    // The first box of a run also says how to get an opener.
    static bool told = false;
    const bool howToGetOne = !told;
    told = true;
#endif
    const QString text = howToGetOne
        ? QCoreApplication::translate("Shell", "No web browser could be started to open this page. Install xdg-utils "
                                               "and a web browser, or copy the address below into a browser yourself.")
        : QCoreApplication::translate("Shell", "No web browser could be started to open this page. Copy the address "
                                               "below into a browser yourself.");
    ShowMessageWithField(text, address, QCoreApplication::translate("Shell", "Address of the page"));
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
