#pragma once

#include "CliOptions.h"

#include <istream>
#include <ostream>

namespace plorik::cli {

// Exit statuses of plorik-cli.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;     // an error box was shown, or the program would end
inline constexpr int kExitUsage = 2;      // bad command line
inline constexpr int kExitUnanswered = 3; // a question found no answer

// Runs the start-up and the command of `options`. The result goes to `out` (readable text, or
// the JSON object with --json); message boxes are logged to `log`. Questions left over are asked on
// `terminal` when it is not null. Returns the exit status.
int runCommand(const CliOptions& options, std::ostream& out, std::ostream& log, std::istream* terminal);

} // namespace plorik::cli
