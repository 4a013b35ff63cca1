#pragma once

#include <QString>

namespace platform {

// Hands a web address to the desktop's default browser and returns at once.
// The caller learns nothing of the outcome. On Windows a failure goes
// unreported; elsewhere, where a minimal system may have no opener at all,
// every address that cannot be handed on is shown in a message box.
// Tests put a recorder in the real shell's place (platform/Testing.h).
void ShellOpen(const QString &address);

namespace detail {
// The real thing, one implementation per platform.
void NativeShellOpen(const QString &address);
} // namespace detail

} // namespace platform
