#include "platform/SingleInstance.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// The claim is an flock() on a lock file that stays open for the guard's
// lifetime. The kernel decides between simultaneous callers, ties the lock to
// the open file (so it goes away with the process, even after kill -9) and
// ignores whatever the file contains, so a file left behind never blocks a
// start. The file is never removed: removing it while another process has it
// open would let a third process lock a fresh file beside it.

namespace platform {

namespace {

const auto LockFileName = QLatin1String("starkindle.lock");

// The user's runtime folder when the environment names a usable one.
QString RuntimeFolder()
{
    const QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty())
        return {};
    const QFileInfo info(dir);
    if (!info.isAbsolute() || !info.isDir())
        return {};
    return dir;
}

// A folder of this user's own in the temporary folder, made if missing.
// Empty when the name is taken by something that is not this user's own
// directory: a folder others can write to would let them hold the lock.
QString PrivateTempFolder()
{
    const uid_t uid = ::geteuid();
    const QString dir = QDir::tempPath() + QLatin1String("/starkindle-") + QString::number(uid);
    const QByteArray native = QFile::encodeName(dir);

    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return {};

    // Checked through an open descriptor so that what is checked is what is
    // used; O_NOFOLLOW refuses a symbolic link planted under the name.
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st {};
    bool usable = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid;
    // mkdir's mode is narrowed by the umask, and an older folder may have been
    // opened up since; either way it must end up exactly 0700.
    if (usable && (st.st_mode & 07777) != 0700)
        usable = ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return usable ? dir : QString();
}

} // namespace

InstanceGuard::InstanceGuard(const QString &lockPath)
    : m_path(lockPath)
{
}

InstanceGuard::~InstanceGuard()
{
    // Closing the descriptor releases the lock; the file itself stays.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceGuard::tryAcquire()
{
    if (m_held)
        return true;

    // When no lock can be had at all (no usable folder, a file that cannot be
    // opened, a file system without flock) the start goes ahead unguarded:
    // refusing to run because of a lock-file problem is worse than the rare
    // second instance it would prevent.
    if (m_path.isEmpty())
        return true;

    if (m_fd < 0) {
        // O_CLOEXEC: programs this process starts (a browser, say) must not
        // inherit the descriptor, or they would keep the lock after we exit.
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return true;
    }

    int rc;
    do
        rc = ::flock(m_fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);

    if (rc == 0)
        return m_held = true;

    const bool lockedElsewhere = errno == EWOULDBLOCK;
    ::close(m_fd);
    m_fd = -1;
    return !lockedElsewhere;
}

bool InstanceGuard::isHeld() const
{
    return m_held;
}

QString InstanceGuard::DefaultInstanceLockPath()
{
    // Needs no QCoreApplication and prints nothing, which is why the runtime
    // folder is read from the environment rather than from QStandardPaths.
    QString dir = RuntimeFolder();
    if (dir.isEmpty())
        dir = PrivateTempFolder();
    if (dir.isEmpty())
        return {}; // no guard possible; tryAcquire lets the start go ahead
    return dir + QLatin1Char('/') + LockFileName;
}

} // namespace platform
