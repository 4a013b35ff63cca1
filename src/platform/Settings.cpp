#include "platform/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

// The store in use once made; platform/Testing.h puts a test's in here.
namespace detail {
std::unique_ptr<SettingsStore> &SettingsSlot()
{
    static std::unique_ptr<SettingsStore> store;
    return store;
}
} // namespace detail

SettingsStore &Settings()
{
    std::unique_ptr<SettingsStore> &store = detail::SettingsSlot();
    if (!store) {
        // The executable's name without its extension.
        QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        if (name.isEmpty())
            name = QStringLiteral("starkindle");
        store = NativeSettingsStore(name);
    }
    return *store;
}

} // namespace platform
