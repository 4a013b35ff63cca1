#include "platform/SingleInstance.h"

#ifdef Q_OS_WIN
#include <QCryptographicHash>
#include <QDir>

#include <qt_windows.h>

// The claim is a named mutex. Nothing is written to disk; the lock path only
// picks the name. The system closes the handle when the process ends, however
// it ends, and the mutex goes with the last handle.

namespace platform {

namespace {

// Kernel object names cannot hold arbitrary paths, so the path is hashed.
// Windows paths ignore case and accept either separator, so both are evened
// out first. "Local\" keeps the name to this logon session; the default path
// lies in the user's own temporary folder, which makes it per user as well.
QString MutexName(const QString &lockPath)
{
    const QString canonical = QDir::cleanPath(QDir::fromNativeSeparators(lockPath)).toCaseFolded();
    const QByteArray digest = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1);
    return QLatin1String("Local\\Starkindle-") + QString::fromLatin1(digest.toHex());
}

} // namespace

InstanceGuard::InstanceGuard(const QString &lockPath)
    : m_path(lockPath)
{
}

InstanceGuard::~InstanceGuard()
{
    if (m_handle)
        CloseHandle(static_cast<HANDLE>(m_handle));
}

bool InstanceGuard::tryAcquire()
{
    if (m_held)
        return true;

    // When no mutex can be made the start goes ahead unguarded: refusing to
    // run because of a locking problem is worse than the rare second instance
    // it would prevent.
    if (m_path.isEmpty())
        return true;

    const QString name = MutexName(m_path);
    HANDLE handle = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(name.utf16()));
    if (!handle)
        return true;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Opened the other instance's mutex; holding it would keep it alive.
        CloseHandle(handle);
        return false;
    }
    m_handle = handle;
    return m_held = true;
}

bool InstanceGuard::isHeld() const
{
    return m_held;
}

QString InstanceGuard::DefaultInstanceLockPath()
{
    // The temporary folder is already the user's own on Windows, and
    // QDir::tempPath needs no QCoreApplication.
    return QDir::tempPath() + QLatin1String("/starkindle.lock");
}

bool InstanceGuard::UnguardedStartAllowed()
{
    return true;
}

} // namespace platform
#endif
