#pragma once

#include "CliWindows.h"
#include "Command.h"
#include "form/FormSet.h"

#include <optional>
#include <string>
#include <vector>

namespace plorik::cli {

// One step of `run`; `show` and `write` are short runs.
struct RunStep {
    enum class Kind { Slot, Window, Set, Press };
    Kind kind = Kind::Slot;
    std::string value; // the slot as typed, the window's name, or the control --press names
    FormSet set;       // for Kind::Set
};

// The steps in `words` from `first` on: --slot N, --window W, --set SET, --press CONTROL (each also
// as --name=VALUE). nullopt (with the reason) on bad usage: another word, a step without its value,
// a window that does not exist, a malformed SET. Controls are looked up only when the step runs.
std::optional<std::vector<RunStep>> parseRunSteps(const std::vector<std::string>& words, std::size_t first,
                                                  std::string& error);

struct RunResult {
    std::vector<const CliWindow*> windows; // the windows addressed, the main window first
    bool completed = false;                // every step ran, none showed an error box or ended the program
};

// Runs the steps in order on the started session, through the forms' user methods, as a user would
// in the GUI. The run stops after a step that shows an error box or ends the program, and at a step
// that cannot be done (context.refused, with its line on the log); a "Craft No." that takes no slot
// (no profile) sets context.failed.
RunResult runSteps(CommandContext& context, const std::vector<RunStep>& steps);

} // namespace plorik::cli
