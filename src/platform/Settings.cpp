#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryFile>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#endif

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
#ifndef Q_OS_WIN
        // A FIFO or a device under the name would block the read, or never end.
        if (!isRegularOrAbsent(iniPath()))
            return {false, {}};
#endif
        const std::unique_ptr<QSettings> settings = open();
        const QString value = settings->value(section + u'/' + key).toString();
        if (settings->status() != QSettings::NoError)
            return {false, {}};
        return {true, value};
    }

    bool write(const QString &section, const QString &key, const QString &value) override
    {
#ifdef Q_OS_WIN
        const std::unique_ptr<QSettings> settings = open();
        // A store we cannot parse is left as it is rather than rewritten.
        (void)settings->allKeys(); // parses the file now, so status() knows
        if (settings->status() != QSettings::NoError || !settings->isWritable())
            return false;
        settings->setValue(section + u'/' + key, value);
        settings->sync();
        return settings->status() == QSettings::NoError;
#else
        return writeIni(section + u'/' + key, value);
#endif
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
        return std::make_unique<QSettings>(iniPath(), QSettings::IniFormat);
#endif
    }

#ifndef Q_OS_WIN
    // How long a write waits for another writer of the store. The store is
    // tiny: a lock held longer than this is stuck, not busy.
    static constexpr int LockTimeoutMs = 1000;

    QString iniPath() const
    {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, m_applicationName, m_applicationName).fileName();
    }

    static bool isRegularOrAbsent(const QString &path)
    {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return errno == ENOENT;
        return S_ISREG(st.st_mode);
    }

    // QSettings would wait without end for a lock file it cannot take (left
    // by a crash, or made by root), and a write that fails halfway (a full
    // disk) would leave the file cut short. So: our own lock with a timeout,
    // and the new contents written to a file beside the old one that
    // replaces it only once complete.
    bool writeIni(const QString &name, const QString &value) const
    {
        QString path = iniPath();
        const QFileInfo info(path);
        if (info.isSymLink()) {
            // Kept as the user made it: the file it points at is rewritten.
            path = info.canonicalFilePath();
            if (path.isEmpty())
                return false;
        }
        if (!isRegularOrAbsent(path) || !QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;

        QLockFile lock(path + QStringLiteral(".lock"));
        if (!lock.tryLock(LockTimeoutMs))
            return false;

        QByteArray old;
        if (QFile current(path); current.exists()) {
            if (!current.open(QIODevice::ReadOnly))
                return false;
            old = current.readAll();
            if (current.error() != QFileDevice::NoError)
                return false;
            // A store we cannot parse is left as it is rather than rewritten.
            QSettings parsed(path, QSettings::IniFormat);
            (void)parsed.allKeys();
            if (parsed.status() != QSettings::NoError)
                return false;
        }

        QTemporaryFile next(path + QStringLiteral(".XXXXXX"));
        if (!next.open() || next.write(old) != old.size() || !next.flush())
            return false;
        next.close();
        {
            QSettings settings(next.fileName(), QSettings::IniFormat);
            settings.setValue(name, value);
            settings.sync();
            if (settings.status() != QSettings::NoError)
                return false;
        }
        // As private as the old file was; a new one is the user's alone.
        if (QFile::exists(path))
            QFile::setPermissions(next.fileName(), QFile::permissions(path));
        if (std::rename(QFile::encodeName(next.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
            return false;
        next.setAutoRemove(false);
        return true;
    }
#endif

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
#ifndef Q_OS_WIN
    // A write past the file-size limit (ulimit -f) then fails like one to a
    // full disk instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
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
