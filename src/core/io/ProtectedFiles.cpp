#include "io/ProtectedFiles.h"

#include "common/AsciiCase.h"
#include "io/GamePath.h"

#include <algorithm>
#include <system_error>

namespace plorik {

namespace {

// An empty folder stands for none.
bool liesInside(const std::filesystem::path& path, const std::filesystem::path& folder)
{
    return !folder.empty() && realPathInside(path, folder);
}

bool hasExtension(const std::filesystem::path& path, std::string_view extension)
{
    return equalsIgnoringCase(path.extension().string(), extension);
}

std::string refused(const std::filesystem::path& target, const std::string& what)
{
    return "\"" + target.string() + "\" is " + what + "; PLORIK does not save over it.";
}

} // namespace

std::optional<std::string> saveTargetRefusal(const std::filesystem::path& target, const ProtectedFiles& files,
                                             std::string_view extension)
{
    std::error_code error;
    const bool exists = std::filesystem::exists(target, error);
    // The same file by another name or a hard link counts as the executable too.
    if (exists && std::filesystem::equivalent(target, files.executable, error) && !error)
        return refused(target, "the game executable");
    if (liesInside(target, files.imagesFolder))
        return refused(target, "a file of the backup image");
    if (exists && liesInside(target, files.gameFolder) && !hasExtension(target, extension))
        return refused(target, "a file of the game");
    return std::nullopt;
}

} // namespace plorik
