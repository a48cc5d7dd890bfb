#include "FullSizeBuilder.h"

namespace plorik::testing {

namespace {

// Fills a text file up to `lines` lines with comment lines after its own.
void growTo(const std::filesystem::path& path, std::size_t lines)
{
    std::string text = readFile(path);
    std::size_t count = 0;
    for (const char c : text)
        count += c == '\n' ? 1 : 0;
    for (; count < lines; ++count)
        text += "/ A line that only makes the file as long as a game's: " + std::to_string(count) + "\r\n";
    writeFile(path, text);
}

} // namespace

GameBuilder fullSizeBuilder(Family family, int scale)
{
    GameBuilder builder(family);
    builder.executableSize(static_cast<std::size_t>(2'621'440 * scale));
    if (family == Family::Xvt)
        return builder.withKey("LASTCRAFT", std::to_string(40 * scale));
    const std::int32_t slots = 115 * scale;
    const std::int64_t entryLength = 980;
    const std::int64_t craftOffset = 0x2000;
    const std::int64_t shipTypes = craftOffset + 230 * entryLength + 0x1003;
    const std::int64_t species = shipTypes + (230 + 8) * 24 + 0x1000;
    const std::int64_t weapons = species + 0x1000;
    builder.withKey("LASTCRAFT", std::to_string(slots))
        .withKey("ENTRYLENGTH", std::to_string(entryLength))
        .withKey("SHIPTYPESTART", std::to_string(shipTypes))
        .withKey("SPECNOOFFSET", std::to_string(species))
        .withKey("WEAPONOFFSET", std::to_string(weapons));
    return builder;
}

std::vector<std::filesystem::path> growTextFiles(const BuiltGame& game, int scale)
{
    const std::size_t lines = static_cast<std::size_t>(scale);
    const bool xvt = game.family == Family::Xvt;
    const char* third = xvt ? "fronttxt.txt" : "shiplist.txt";
    growTo(game.gameDir / "strings.txt", 5000 * lines);
    growTo(game.gameDir / "specdesc.txt", 600 * lines);
    growTo(game.gameDir / third, (xvt ? 1000 : 150) * lines);
    std::vector<std::filesystem::path> files;
    for (const char* name : {"strings.txt", "specdesc.txt", third})
        files.push_back(game.gameDir / name);
    return files;
}

} // namespace plorik::testing
