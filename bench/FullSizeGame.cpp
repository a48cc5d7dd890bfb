#include "FullSizeGame.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

namespace plorik::bench {

namespace {

using testing::readFile;
using testing::writeFile;

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

testing::GameBuilder fullSizeBuilder(testing::Family family, int scale)
{
    testing::GameBuilder builder(family);
    builder.executableSize(static_cast<std::size_t>(2'621'440 * scale));
    if (family == testing::Family::Xvt)
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

} // namespace

FullSizeGame::FullSizeGame(testing::Family family, int scale)
    : builder(fullSizeBuilder(family, scale)), game(builder.build(dir.path()))
{
    const std::size_t lines = static_cast<std::size_t>(scale);
    const char* third = family == testing::Family::Xvt ? "fronttxt.txt" : "shiplist.txt";
    growTo(game.gameDir / "strings.txt", 5000 * lines);
    growTo(game.gameDir / "specdesc.txt", 600 * lines);
    growTo(game.gameDir / third, (family == testing::Family::Xvt ? 1000 : 150) * lines);
    for (const char* name : {"strings.txt", "specdesc.txt", third})
        textFiles.push_back(game.gameDir / name);
}

void readFiles(const std::vector<std::filesystem::path>& files)
{
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        benchmark::DoNotOptimize(std::string(std::istreambuf_iterator<char>(in), {}));
    }
}

void readFolder(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    readFiles(files);
}

void copyFolder(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::filesystem::remove_all(to);
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

} // namespace plorik::bench
