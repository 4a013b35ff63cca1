#include "platform/SingleInstance.h"

#include "platform/Trust.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
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

QString LockIn(const QString &dir)
{
    return dir + QLatin1Char('/') + LockFileName;
}

// A folder for the lock: trusted (platform/Trust.h), so nobody else can hold
// or swap the lock, and one the user may write the lock file in.
bool LockFolder(const QString &dir)
{
    return trust::TrustedFolder(dir, trust::FolderUse::Write);
}

// The folder dir of this user's own, made if missing; empty when the name is
// taken by anything else.
QString PrivateFolder(const QString &dir)
{
    if (::mkdir(QFile::encodeName(dir).constData(), 0700) != 0 && errno != EEXIST)
        return {};
    return trust::MakePrivateFolder(dir) ? dir : QString();
}

// The user's home as the system records it; the environment's HOME may
// differ from one start to the next.
QString RecordedHome()
{
    const struct passwd *pw = ::getpwuid(::geteuid());
    return pw && pw->pw_dir ? QFile::decodeName(pw->pw_dir) : QString();
}

// The home the lock falls back on: the one the system records, or where it
// records none, $HOME if it is a folder of the user's that only they can
// write to.
QString LockHome()
{
    const QString recorded = RecordedHome();
    if (!recorded.isEmpty())
        return recorded;
    const QString home = qEnvironmentVariable("HOME");
    return trust::TrustedFolder(home, trust::FolderUse::Write) ? home : QString();
}

// A folder in the home's cache folder, for when the temporary folder's name
// has been taken by someone else. The cache folder is made if missing, as
// private as the desktop makes it.
QString HomeFolder(const QString &home)
{
    if (home.isEmpty() || !home.startsWith(QLatin1Char('/')))
        return {};
    const QString cache = home + QLatin1String("/.cache");
    if (::mkdir(QFile::encodeName(cache).constData(), 0700) != 0 && errno != EEXIST)
        return {};
    return PrivateFolder(cache + QLatin1String("/starkindle"));
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
        // O_NOFOLLOW: a link planted under the name is not followed.
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                      0600);
        if (m_fd < 0)
            return true;
        // Only a lock file of our own counts: someone else's could be held
        // by them to keep us from starting.
        struct stat st {};
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode) || !trust::OwnedByUser(st)) {
            ::close(m_fd);
            m_fd = -1;
            return true;
        }
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
    // Needs no QCoreApplication and prints nothing: it runs before either.
    const QString own = qEnvironmentVariable("STARKINDLE_INSTANCE_DIR");
    if (LockFolder(own))
        return LockIn(own);
    return ChooseLockPath(QLatin1String("/run/user/") + QString::number(::geteuid()), QStringLiteral("/tmp"),
                          LockHome());
}

bool InstanceGuard::UnguardedStartAllowed()
{
    return !RecordedHome().isEmpty();
}

QString InstanceGuard::ChooseLockPath(const QString &runtimeFolder, const QString &tempRoot, const QString &home)
{
    QString dir = runtimeFolder;
    if (!LockFolder(dir))
        dir = PrivateFolder(tempRoot + QLatin1String("/starkindle-") + QString::number(::geteuid()));
    if (dir.isEmpty())
        dir = HomeFolder(home);
    if (dir.isEmpty())
        return {}; // no guard possible; tryAcquire lets the start go ahead
    return LockIn(dir);
}

} // namespace platform
