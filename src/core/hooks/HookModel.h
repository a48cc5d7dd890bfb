#pragma once

#include "hooks/HookFiles.h"

#include <optional>
#include <string>

namespace plorik {

// The model a slot's hook files are named after, "FlightModels\TestFighter": the OPT file without
// its extension, or the model the global Objects list puts in its place.
struct HookModel {
    std::string path;
    std::string cockpitPovProfile = "Default"; // the Objects list can choose another
    std::string statsProfile = "Default";      // and the StatsProfiles list another stats profile
};

// nullopt when "OPT File:" names no model.
std::optional<HookModel> hookModelOf(HookFiles& files, const std::string& optFile);

// What the hooks read for `section` of a model: `[Model]<section>.txt` when it yields a line, else
// the `[section]` of `[Model].ini`. Keys are never taken from both.
HookSection hookSource(HookFiles& files, const std::string& modelPath, const std::string& section);

} // namespace plorik
