#include "gamefiles/PilotFiles.h"

#include "common/AsciiCase.h"

#include <algorithm>
#include <system_error>

namespace plorik {

std::vector<std::filesystem::path> pilotFiles(const std::filesystem::path& gameFolder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(gameFolder, error)) {
        const std::string extension = asciiLower(entry.path().extension().string());
        // Only the folder's own files: a link may lead out of the game folder, which is never written.
        if (extension == ".plt" && entry.is_regular_file(error) && !entry.is_symlink(error))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace plorik
