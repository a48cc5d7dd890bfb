#include "craft/CraftNumberItems.h"

#include "text/GameTextLine.h"
#include "text/LineReader.h"

namespace plorik {

std::vector<std::string> craftNumberItems(const VersionProfile& profile, const std::filesystem::path& stringsFile)
{
    std::vector<std::string> items;
    const std::int32_t slots = profile.slotCount();
    items.reserve(static_cast<std::size_t>(std::max(slots, 0)));
    if (!profile.isXwa()) {
        for (std::int32_t slot = 1; slot <= slots; ++slot)
            items.push_back(std::to_string(slot));
        return items;
    }
    LineReader strings(stringsFile);
    // Lines before SHORTNAMESLINE are skipped.
    for (std::int32_t line = 1; line < profile.held(Key::ShortNamesLine); ++line)
        strings.readLine();
    for (std::int32_t slot = 1; slot <= slots; ++slot) {
        std::string item = std::to_string(slot);
        if (slot <= kLastNamedXwaSlot) {
            item.resize(4, ' ');
            item += gameTextLine(strings.readLine());
        }
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace plorik
