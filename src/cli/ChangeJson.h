#pragma once

#include "Command.h"

#include "changes/ChangeReport.h"

namespace plorik::cli {

// The report's members, as `diff --json` sets them in the result and `diff --format json` prints them
// alone: "against", "changes" (slots), "weapons", "files" (changed lines).
void setChangeReport(Json& json, const ChangeReport& report);

// For `show --json` once the version has a backup image: "changes", the fields of the slot shown
// whose text differs from the image's, each {"page", "caption", "key", "unit", "old", "new"}.
void setImageChanges(CommandContext& context);

} // namespace plorik::cli
