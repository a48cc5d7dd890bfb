#include "DemoLayout.h"
#include "GameBuilder.h"

#include <array>

namespace plorik::testing {

namespace {

struct OptList {
    const char* gameName; // as the program names it
    const char* path;     // as written, in another case where the games' file system would not care
    const char* stem;
    std::int32_t length;
};

// The last XvT list is shorter than the indexes of some slots that use it.
constexpr std::array<OptList, 3> kXvtLists = {{
    {"ivfiles\\spec640.lst", "IVFiles/Spec640.LST", "XVTCRAFT", 90},
    {"ivfiles\\spec2640.lst", "IVFiles/SPEC2640.lst", "XVTPARTS", 90},
    {"ivfiles\\spec3640.lst", "IVFiles/spec3640.lst", "XVTBASES", 40},
}};
constexpr std::array<OptList, 2> kXwaLists = {{
    {"FlightModels\\SPACECRAFT0.LST", "FlightModels/SPACECRAFT0.LST", "FlightModels\\Craft", 300},
    {"FlightModels\\EQUIPMENT0.LST", "FlightModels/EQUIPMENT0.LST", "FlightModels\\Gear", 100},
}};

const OptList* listOf(bool xwa, std::int32_t list)
{
    if (list < 0)
        return nullptr;
    const auto index = static_cast<std::size_t>(list);
    if (xwa)
        return index < kXwaLists.size() ? &kXwaLists[index] : nullptr;
    return index < kXvtLists.size() ? &kXvtLists[index] : nullptr;
}

} // namespace

std::int32_t GameBuilder::optListLength(std::int32_t list) const
{
    const OptList* found = listOf(m_xwa, list);
    return found ? found->length : 0;
}

std::string GameBuilder::optName(std::int32_t list, std::int32_t index) const
{
    const OptList* found = listOf(m_xwa, list);
    if (!found || index < 0 || index >= found->length)
        return "";
    return found->stem + std::to_string(index) + ".opt";
}

void GameBuilder::writeOptLists(const std::filesystem::path& gameDir) const
{
    const bool xwa = m_xwa;
    for (std::int32_t list = 0; listOf(xwa, list); ++list) {
        const OptList& written = *listOf(xwa, list);
        std::vector<std::string> lines;
        for (std::int32_t index = 0; index < written.length; ++index)
            lines.push_back(optName(list, index));
        writeGameText(gameDir, written.gameName, written.path, lines);
    }
}

} // namespace plorik::testing
