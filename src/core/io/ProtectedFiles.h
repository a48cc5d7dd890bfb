#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace plorik {

// What a file chosen in a save dialog must never replace: the game's executable, the files the
// editor reads from the game folder, and the backup images.
struct ProtectedFiles {
    std::filesystem::path gameFolder;
    std::filesystem::path executable;
    std::filesystem::path imagesFolder; // PLORIKbackup in the program folder
};

// Why a file saved with `extension` (".zt", ".shp") may not go to `target`, or nullopt when it may.
// Real paths decide, so no link or second name gets past: the executable; anything inside the
// images folder; an existing file of the game folder that is not of the kind being saved (a ZT or
// SHP file saved there before may be replaced).
std::optional<std::string> saveTargetRefusal(const std::filesystem::path& target, const ProtectedFiles& files,
                                             std::string_view extension);

} // namespace plorik
