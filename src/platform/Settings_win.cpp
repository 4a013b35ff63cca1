// The settings store on Windows: the registry.

#include "platform/Settings.h"

#ifdef Q_OS_WIN
#include <QSettings>

namespace platform {

namespace {

class RegistrySettingsStore : public SettingsStore
{
public:
    explicit RegistrySettingsStore(const QString &applicationName)
        : m_applicationName(applicationName)
    {
    }

    SettingRead read(const QString &section, const QString &key) override
    {
        QSettings settings(registryPath(), QSettings::NativeFormat);
        const QString value = settings.value(section + u'/' + key).toString();
        if (settings.status() != QSettings::NoError)
            return {false, {}};
        return {true, value};
    }

    bool write(const QString &section, const QString &key, const QString &value) override
    {
        QSettings settings(registryPath(), QSettings::NativeFormat);
        // A store we cannot parse is left as it is rather than rewritten.
        (void)settings.allKeys(); // parses the file now, so status() knows
        if (settings.status() != QSettings::NoError || !settings.isWritable())
            return false;
        settings.setValue(section + u'/' + key, value);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }

private:
    // Where per-user program settings of this application have always
    // lived, so a stored date carries over.
    QString registryPath() const
    {
        return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + m_applicationName;
    }

    QString m_applicationName;
};

} // namespace

std::unique_ptr<SettingsStore> NativeSettingsStore(const QString &applicationName)
{
    return std::make_unique<RegistrySettingsStore>(applicationName);
}

} // namespace platform
#endif
