#pragma once
// orbika-reading: every reading from the command line, over the same core as the windows.

#include <iosfwd>
#include <string>
#include <vector>

namespace orbika::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // a file could not be read or written
inline constexpr int kExitRefused = 2; // bad usage or input refused by the checks

// Runs the command with its arguments (without the program name).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace orbika::cli
