#pragma once

#include <QString>

#include <sys/stat.h>

// The one rule for which files and folders the application trusts with what
// it reads and writes (POSIX only; the settings store and the instance lock
// use it): nobody but this user can change what is there.
//
// - A folder is trusted when it is a real folder, not a link to one; it
//   belongs to this user (the effective user id: root's folders count only
//   for root); and neither its group nor anyone else may write to it. It is
//   judged through a descriptor opened on the folder itself, so what is
//   judged is what is used.
// - A file, or a link, is trusted when it belongs to this user.
//
// Writability by the user is no part of trust: a caller that needs to write
// in a folder asks for that as well (FolderUse::Write).
namespace platform::trust {

enum class FolderUse { Read, Write };

// The rule for the folder at dir; with FolderUse::Write the user must also
// be allowed to write there (read from the mode: root's writes ignore it).
bool TrustedFolder(const QString &dir, FolderUse use = FolderUse::Read);

// The same for a folder the application keeps for itself: a folder of this
// user's that others may enter or change is first closed to everyone else
// (mode 0700). For writing.
bool MakePrivateFolder(const QString &dir);

// The rule for a file or link, from its lstat or fstat.
bool OwnedByUser(const struct stat &status);

} // namespace platform::trust
