#pragma once

#include <optional>

// The command line, read before the display is opened: --help and --version
// answer without one, and a mistyped option is refused instead of being
// ignored while the window opens. Qt's own options (-platform, -display,
// -style, ...) are let through for QApplication.
namespace commandline {

// Nothing when the application should start; otherwise the exit status
// (0 after --help or --version, 2 for an option it does not know), with the
// answer already printed.
std::optional<int> Handle(int argc, const char *const *argv);

} // namespace commandline
