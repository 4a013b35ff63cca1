#pragma once

#include <qt_windows.h>
#include <shellapi.h>

namespace platform::detail {

// The shell function the real shell hands addresses to: ShellExecuteA unless
// a test has put a recorder in its place to see the six arguments. nullptr
// puts ShellExecuteA back.
using ShellExecuteFunction = decltype(&ShellExecuteA);
void SetShellExecute(ShellExecuteFunction function);

} // namespace platform::detail
