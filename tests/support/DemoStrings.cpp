#include "DemoCraft.h"
#include "DemoLayout.h"
#include "GameBuilder.h"

#include <algorithm>
#include <vector>

namespace plorik::testing {

std::string GameBuilder::craftName(std::int32_t slot) const
{
    return demoCraftName(slot);
}

std::string GameBuilder::pluralName(std::int32_t slot) const
{
    return demoCraftName(slot) + "s";
}

// Every fourth craft is female; an upper-case "F" (slots 7, 17, ...) is not read as female.
char GameBuilder::gender(std::int32_t slot) const
{
    if (slot % 4 == 0)
        return 'f';
    return slot % 10 == 7 ? 'F' : 'm';
}

// strings.txt: a gender line, a plural line and a short-name line per slot among other text.
void GameBuilder::writeStrings(const std::filesystem::path& gameDir) const
{
    const DemoLayout layout(m_entry);
    const bool xwa = layout.xwa();
    const std::int32_t slots = layout.slots();
    const std::int32_t named = xwa ? std::min<std::int32_t>(slots, 218) : slots;
    const std::int64_t gender = layout.valueOr("GENDERSTRTLINE", 0);
    const std::int64_t plural = layout.valueOr("PLURALSTRTLINE", 0);
    const std::int64_t shortNames = layout.valueOr("SHORTNAMESLINE", 0);
    const std::int64_t last = std::max({gender > 0 ? gender + named : 0, plural > 0 ? plural + named - 1 : 0,
                                        shortNames > 0 ? shortNames + named - 1 : 0});
    std::vector<std::string> lines(static_cast<std::size_t>(last + 21));
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = "Game text " + std::to_string(i + 1);
    const auto line = [&](std::int64_t number) -> std::string& {
        return lines.at(static_cast<std::size_t>(number - 1));
    };
    for (std::int32_t slot = 1; slot <= named; ++slot) {
        const std::string name = craftName(slot);
        const std::string sex = std::string(1, this->gender(slot)) + ":";
        const std::string tag = "!CRAFT_" + std::to_string(slot);
        if (gender > 0)
            line(gender + slot) = xwa ? tag + "!" + sex + name : sex + name;
        if (plural > 0)
            line(plural + slot - 1) = xwa ? tag + "_PLURAL!" + pluralName(slot) : pluralName(slot);
        if (shortNames > 0)
            line(shortNames + slot - 1) = xwa ? tag + "_SHORT!" + shortName(slot) : shortName(slot);
    }
    writeGameText(gameDir, "strings.txt", "strings.txt", lines);
}

} // namespace plorik::testing
