#pragma once

#include <QString>

namespace platform {

// Hands a web address to the desktop's default browser and returns at once.
// The caller learns nothing of the outcome: every address that cannot be
// handed on, or that the opener fails to open later (no browser behind it,
// killed), is shown in a message box with the address to copy.
// Tests put a recorder in the real shell's place (platform/Testing.h).
void ShellOpen(const QString &address);

namespace detail {
// The real thing, one implementation per platform.
void NativeShellOpen(const QString &address);
// The box for a page that was not opened, with its address to copy.
void TellNotOpened(const QString &address);
} // namespace detail

} // namespace platform
