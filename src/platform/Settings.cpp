#include "platform/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace platform {

namespace {

class QtSettingsStore : public SettingsStore
{
public:
    explicit QtSettingsStore(const QString &applicationName)
        : m_applicationName(applicationName)
    {
    }

    SettingRead read(const QString &section, const QString &key) override
    {
        const std::unique_ptr<QSettings> settings = open();
        const QString value = settings->value(section + u'/' + key).toString();
        if (settings->status() != QSettings::NoError)
            return {false, {}};
        return {true, value};
    }

    bool write(const QString &section, const QString &key, const QString &value) override
    {
        const std::unique_ptr<QSettings> settings = open();
        // A store we cannot parse is left as it is rather than rewritten.
        (void)settings->allKeys(); // parses the file now, so status() knows
        if (settings->status() != QSettings::NoError || !settings->isWritable())
            return false;
        settings->setValue(section + u'/' + key, value);
        settings->sync();
        return settings->status() == QSettings::NoError;
    }

private:
    std::unique_ptr<QSettings> open() const
    {
#ifdef Q_OS_WIN
        // Where per-user program settings of this application have always
        // lived, so a stored date carries over.
        return std::make_unique<QSettings>(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + m_applicationName,
            QSettings::NativeFormat);
#else
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, m_applicationName,
                                           m_applicationName);
#endif
    }

    QString m_applicationName;
};

std::unique_ptr<SettingsStore> &installed()
{
    static std::unique_ptr<SettingsStore> store;
    return store;
}

} // namespace

std::unique_ptr<SettingsStore> NativeSettingsStore(const QString &applicationName)
{
    return std::make_unique<QtSettingsStore>(applicationName);
}

SettingsStore &Settings()
{
    if (!installed()) {
        // The executable's name without its extension.
        QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        if (name.isEmpty())
            name = QStringLiteral("starkindle");
        installed() = NativeSettingsStore(name);
    }
    return *installed();
}

void SetSettingsStore(std::unique_ptr<SettingsStore> store)
{
    installed() = std::move(store);
}

} // namespace platform
