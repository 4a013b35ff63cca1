#pragma once

#include <QString>

#include <memory>
#include <optional>

// The per-user application settings store: text values by section and key,
// under the application's name. An absent value reads as empty.
namespace platform {

struct SettingRead {
    bool readable = true; // false: the store exists but could not be read
    QString value;        // empty when absent
};

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual SettingRead read(const QString &section, const QString &key) = 0;
    // False when the value could not be stored; callers may carry on.
    virtual bool write(const QString &section, const QString &key, const QString &value) = 0;
};

// The store in use: the platform's own, made on first use, or one a test
// puts in for its lifetime (platform/Testing.h).
SettingsStore &Settings();

// The platform's own store for the given application name: an INI file in
// the per-user configuration folder on Linux (Settings_unix.cpp), the
// registry on Windows (Settings_win.cpp).
std::unique_ptr<SettingsStore> NativeSettingsStore(const QString &applicationName);

} // namespace platform
