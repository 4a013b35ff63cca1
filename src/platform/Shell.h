#pragma once

#include <QString>

#include <functional>

namespace platform {

// Hands a web address to the desktop's default browser and returns at once.
// The caller learns nothing of the outcome. On Windows a failure goes
// unreported; elsewhere, where a minimal system may have no opener at all,
// every address that cannot be handed on is shown in a message box.
void ShellOpen(const QString &address);

// Replaces the real shell, e.g. with a recorder in tests. An empty function
// restores the real one.
using ShellOpenHandler = std::function<void(const QString &address)>;
void SetShellOpenHandler(ShellOpenHandler handler);

namespace detail {
// The real thing, one implementation per platform.
void NativeShellOpen(const QString &address);
} // namespace detail

} // namespace platform
