// The settings store on Linux and other POSIX systems: an INI file in the
// user's configuration folder, read and written only where nobody else can
// change it (platform/Trust.h), written so that neither a stuck lock nor a
// failed write costs the old contents or holds up the start.

#include "platform/Settings.h"

#include "platform/Trust.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The store holds one date; a file far larger than that is not ours to read
// whole.
constexpr qint64 MaxStoreSize = 1024 * 1024;

// The store's file, opened only once it is known to be a regular file of a
// sane size: opening a FIFO waits for a writer, a device may never end or do
// something on open.
class StoreFile
{
public:
    enum State { Absent, Usable, Unusable };

    explicit StoreFile(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        struct stat st {};
        if (::stat(name.constData(), &st) != 0) {
            m_state = errno == ENOENT ? Absent : Unusable;
            return;
        }
        if (!S_ISREG(st.st_mode))
            return;
        // O_NONBLOCK: should the name have become a FIFO since, the open
        // still returns at once, and fstat refuses it.
        m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (m_fd < 0 || ::fstat(m_fd, &m_stat) != 0 || !S_ISREG(m_stat.st_mode) || m_stat.st_size > MaxStoreSize)
            return;
        m_state = Usable;
    }
    ~StoreFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    StoreFile(const StoreFile &) = delete;
    StoreFile &operator=(const StoreFile &) = delete;

    State state() const { return m_state; }
    const struct stat &status() const { return m_stat; }

    bool readAll(QByteArray &out) const
    {
        out.resize(qsizetype(m_stat.st_size));
        qsizetype done = 0;
        while (done < out.size()) {
            const ssize_t n = ::pread(m_fd, out.data() + done, size_t(out.size() - done), off_t(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    }

private:
    int m_fd = -1;
    struct stat m_stat {};
    State m_state = Unusable;
};

// The file the store's name leads to, when nobody else can change where it
// leads or swap what is there (a FIFO for QSettings to hang on, a link to one
// of the user's files for it to rewrite): the name itself in a trusted folder
// (platform/Trust.h), or the target, in a trusted folder, of a link the user
// made in one. Empty otherwise.
QString SettledPath(const QString &path)
{
    const QFileInfo info(path);
    QString target = path;
    if (info.isSymLink()) {
        struct stat link {};
        if (::lstat(QFile::encodeName(path).constData(), &link) != 0 || !trust::OwnedByUser(link)
            || !trust::TrustedFolder(info.absolutePath()))
            return {};
        target = info.canonicalFilePath(); // empty when the link leads nowhere
    }
    return !target.isEmpty() && trust::TrustedFolder(QFileInfo(target).absolutePath()) ? target : QString();
}

// Files beside the store that a write killed halfway left behind: our own
// temporary copies (name.XXXXXX) and the lock and temporary files QSettings
// made for them. Called with the store's lock held, so none is in use. Six
// lower-case letters may be a word the user chose (name.backup), so a name
// counts only with a capital or a digit among the six, as all but about one
// in sixty random ones have.
void RemoveLeftovers(const QString &path)
{
    const QFileInfo store(path);
    const QRegularExpression leftover(QStringLiteral("^") + QRegularExpression::escape(store.fileName())
                                      + QStringLiteral("\\.(?=[a-z]{0,5}[A-Z0-9])[A-Za-z0-9]{6}"
                                                       "(\\.lock|\\.[A-Za-z0-9]{6})*$"));
    const QDir dir = store.absoluteDir();
    const QStringList names = dir.entryList({store.fileName() + QStringLiteral(".*")},
                                            QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QByteArray file = QFile::encodeName(dir.filePath(name));
        struct stat st {};
        if (leftover.match(name).hasMatch() && ::lstat(file.constData(), &st) == 0 && !S_ISDIR(st.st_mode)
            && trust::OwnedByUser(st))
            ::unlink(file.constData());
    }
}

class IniSettingsStore : public SettingsStore
{
public:
    explicit IniSettingsStore(const QString &applicationName)
        : m_applicationName(applicationName)
    {
    }

    SettingRead read(const QString &section, const QString &key) override
    {
        const QString name = iniPath();
        const StoreFile file(name);
        if (file.state() == StoreFile::Absent)
            return {true, {}};
        const QString path = SettledPath(name);
        if (file.state() != StoreFile::Usable || path.isEmpty())
            return {false, {}};
        QSettings settings(path, QSettings::IniFormat);
        const QString value = settings.value(section + u'/' + key).toString();
        if (settings.status() != QSettings::NoError)
            return {false, {}};
        return {true, value};
    }

    bool write(const QString &section, const QString &key, const QString &value) override
    {
        return writeIni(section + u'/' + key, value);
    }

private:
    // How long a write waits for another writer of the store. The store is
    // tiny: a lock held longer than this is stuck, not busy.
    static constexpr int LockTimeoutMs = 1000;

    // Where QSettings keeps an IniFormat file of this name for the user,
    // worked out without opening anything there.
    QString iniPath() const
    {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return QDir::cleanPath(QFileInfo(folder + u'/' + m_applicationName + u'/' + m_applicationName
                                         + QStringLiteral(".ini"))
                                   .absoluteFilePath());
    }

    // QSettings would wait without end for a lock file it cannot take (left
    // by a crash, or made by root), and a write that fails halfway (a full
    // disk) would leave the file cut short. So: our own lock with a timeout,
    // and the new contents written to a file beside the old one that
    // replaces it only once complete.
    bool writeIni(const QString &name, const QString &value) const
    {
        // A link the user made is kept: the file it points at is rewritten.
        QString path = iniPath();
        // A folder made here is closed to others at once: made under a umask
        // of 002 it would be group-writable, and so never trusted again.
        const QString folder = QFileInfo(path).absolutePath();
        const bool existed = QFileInfo::exists(folder);
        if (StoreFile(path).state() == StoreFile::Unusable || !QDir().mkpath(folder)
            || (!existed && !trust::MakePrivateFolder(folder)))
            return false;
        path = SettledPath(path);
        if (path.isEmpty())
            return false;

        QLockFile lock(path + QStringLiteral(".lock"));
        if (!lock.tryLock(LockTimeoutMs))
            return false;
        RemoveLeftovers(path);

        // Read again under the lock: another writer may have replaced it.
        const StoreFile current(path);
        QByteArray old;
        if (current.state() == StoreFile::Unusable)
            return false;
        if (current.state() == StoreFile::Usable) {
            if (!current.readAll(old))
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
        if (current.state() == StoreFile::Usable)
            ::chmod(QFile::encodeName(next.fileName()).constData(), current.status().st_mode & 0777);
        if (std::rename(QFile::encodeName(next.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
            return false;
        next.setAutoRemove(false);
        return true;
    }

    QString m_applicationName;
};

} // namespace

std::unique_ptr<SettingsStore> NativeSettingsStore(const QString &applicationName)
{
    return std::make_unique<IniSettingsStore>(applicationName);
}

} // namespace platform
