#pragma once

#include "Command.h"

namespace plorik::cli {

// For an XWA slot: "overrides", the fields the hook files replace at run time (empty when none), each
// {"control", "file", "section", "key", "value", "raw"} and "when" for a difficulty's own section;
// "hookProblems" when the files hold what the hooks would misread or crash on.
void setHookOverrides(CommandContext& context);

} // namespace plorik::cli
