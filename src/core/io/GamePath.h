#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace plorik {

// Turns a directory text and a file name as the games write them ("FlightModels\SPACECRAFT0.LST",
// "C:\Games\XvT\\Z_XVT__.EXE") into a real path: "\" and "/" both separate, doubled separators
// count once, and a component missing in the exact case is looked up case-insensitively in its
// folder (the games came from a case-insensitive file system). Components that do not exist in any
// case are kept as given, so errors name them.
std::filesystem::path resolveGamePath(std::string_view dir, std::string_view name = {});

// As resolveGamePath, for a name that must stay inside `dir`: nullopt when its ".." components climb
// above the folder ("..\x", "a\..\..\x"); "." and ".." are resolved in the name itself first. A
// leading separator counts like a doubled one, so the name is always relative to the folder.
std::optional<std::filesystem::path> resolveInsideGameDir(std::string_view dir, std::string_view name);

// True when the real path of `path` (every link on the way followed, the file's own and its folders')
// lies inside the real path of `folder`; false when either cannot be worked out.
bool realPathInside(const std::filesystem::path& path, const std::filesystem::path& folder);

// Splits a chosen file's path at its last separator ("\" or "/"): the folder part ends with that
// separator, the file part is the rest.
struct SplitPath {
    std::string directory;
    std::string file;
};
SplitPath splitChosenPath(std::string_view path);

} // namespace plorik
