#pragma once

#include <filesystem>

namespace plorik::testing {

// The XWA demo's hook files: FlightModels\Craft3.ini (slot 4, a shuttle) with a stats profile,
// ExeCraftValues and a cockpit view among sections of other hooks; FlightModels\Craft6.ini (slot 7, a
// starship) with a Hard profile and a cockpit view profile, whose ExeCraftValues section a
// Craft6ExeCraftValues.txt hides.
void writeDemoHookFiles(const std::filesystem::path& gameDir);

} // namespace plorik::testing
