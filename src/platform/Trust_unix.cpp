#include "platform/Trust.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace platform::trust {

namespace {

// O_NOFOLLOW refuses a link at the folder's name; makePrivate narrows a
// folder of ours to exactly 0700 before it is judged.
bool JudgeFolder(const QString &dir, FolderUse use, bool makePrivate)
{
    if (dir.isEmpty())
        return false;
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && OwnedByUser(st);
    if (ok && makePrivate && (st.st_mode & 07777) != 0700) {
        // mkdir's mode is narrowed by the umask, and an older folder may have
        // been opened up since; either way it must end up exactly 0700.
        ok = ::fchmod(fd, 0700) == 0;
        st.st_mode = (st.st_mode & ~07777) | 0700;
    }
    ::close(fd);
    if (!ok || (st.st_mode & (S_IWGRP | S_IWOTH)))
        return false;
    return use == FolderUse::Read || (st.st_mode & S_IWUSR);
}

} // namespace

bool TrustedFolder(const QString &dir, FolderUse use)
{
    return JudgeFolder(dir, use, false);
}

bool MakePrivateFolder(const QString &dir)
{
    return JudgeFolder(dir, FolderUse::Write, true);
}

bool OwnedByUser(const struct stat &status)
{
    return status.st_uid == ::geteuid();
}

} // namespace platform::trust
