#pragma once

#include <QString>

#include <functional>

namespace platform {

// Hands a web address to the desktop's default browser and returns at once.
// Nothing is reported: no browser, a refused address and success look alike
// to the caller.
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
