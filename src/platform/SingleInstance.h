#pragma once

#include <QString>

// Tells whether another instance of the application is running for this
// user. Made before any window exists (it needs no QApplication). The claim
// lasts as long as the guard; the system drops it when the process ends,
// however it ends, so a crashed instance never blocks the next start.
namespace platform {

class InstanceGuard
{
public:
    // lockPath: where the claim is kept; the default is per user. An empty
    // path means no claim is possible.
    explicit InstanceGuard(const QString &lockPath = DefaultInstanceLockPath());
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // False only when another instance holds the claim. Several processes
    // calling this at the same instant: exactly one wins. Also true, without
    // a claim, when no claim can be made at all (no usable lock location):
    // the application then starts unguarded rather than not at all.
    bool tryAcquire();
    // True once tryAcquire has actually taken the claim.
    bool isHeld() const;

    // The per-user lock location: the user's runtime folder where there is
    // one, else a private folder of the user's in the temporary folder.
    static QString DefaultInstanceLockPath();

private:
    QString m_path;
#ifdef Q_OS_WIN
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    bool m_held = false;
};

} // namespace platform
