#pragma once

#include <qt_windows.h>
#include <shellapi.h>

namespace platform::detail {

// The type of the shell function the real shell hands addresses to:
// ShellExecuteA, unless a test has put a recorder in its place to see the six
// arguments (platform/Testing.h).
using ShellExecuteFunction = decltype(&ShellExecuteA);

} // namespace platform::detail
