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

    // The per-user lock location. It depends on the user id alone, not on
    // the environment, so every start of the same user finds it: the user's
    // runtime folder /run/user/<uid> when it is theirs, else a private
    // folder of theirs in /tmp, else (when someone else took that name) a
    // private folder in the cache folder of the home the system records for
    // the user, ~/.cache/starkindle. Where it records none (a user without a
    // passwd entry, as in many containers) $HOME stands in, if it is a folder
    // of the user's that only they can write to. STARKINDLE_INSTANCE_DIR,
    // which no desktop sets, names another folder for tests that run
    // isolated copies side by side; it too is used only when it is the
    // user's own.
    static QString DefaultInstanceLockPath();

    // Whether a start may go ahead without the claim when none could be made.
    // Not for a user the system records no home for: for them an unusable
    // place is no rare fault but what a shared /tmp gives whenever someone
    // else has taken the name, and two copies would run unnoticed.
    static bool UnguardedStartAllowed();

#ifndef Q_OS_WIN
    // The choice itself: runtimeFolder when it is trusted (platform/Trust.h)
    // and the user may write to it, else a private folder made in tempRoot,
    // else one made in home's .cache; empty when none will do.
    static QString ChooseLockPath(const QString &runtimeFolder, const QString &tempRoot, const QString &home);
#endif

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
