#include "DemoCraft.h"
#include "DemoLayout.h"
#include "GameBuilder.h"

#include <algorithm>
#include <vector>

namespace plorik::testing {

std::string GameBuilder::longName(std::int32_t slot) const
{
    return demoCraftName(slot) + " Mark " + std::to_string(slot);
}

// fronttxt.txt (XvT family): the long names from LONGNAMESTRTLINE on, one line per slot, except
// that slots 70 to 73 have their lines further down (slot 72's is the one slot 78 would have).
void GameBuilder::writeFrontText(const std::filesystem::path& gameDir) const
{
    const DemoLayout layout(m_entry);
    if (layout.xwa() || !layout.has("LONGNAMESTRTLINE"))
        return;
    const std::int64_t start = layout.value("LONGNAMESTRTLINE");
    const std::int32_t slots = layout.slots();
    const auto lineOf = [&](std::int32_t slot) -> std::int64_t {
        switch (slot) {
        case 70: return start + 90;
        case 71: return start + 89;
        case 72: return start + 77;
        case 73: return start + 91;
        default: return start + slot - 1;
        }
    };
    std::vector<std::string> lines(static_cast<std::size_t>(start + std::max(slots, 92) + 10));
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = "Front text " + std::to_string(i + 1);
    for (std::int32_t slot = 1; slot <= slots; ++slot) {
        if (slot < 70 || slot > 73)
            lines.at(static_cast<std::size_t>(lineOf(slot) - 1)) = longName(slot);
    }
    for (std::int32_t slot = 70; slot <= std::min(slots, 73); ++slot)
        lines.at(static_cast<std::size_t>(lineOf(slot) - 1)) = longName(slot);
    writeGameText(gameDir, "fronttxt.txt", "fronttxt.txt", lines);
}

} // namespace plorik::testing
