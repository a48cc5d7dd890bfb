#include "GameBuilder.h"

#include "DemoCraft.h"
#include "DemoHookFiles.h"
#include "DemoLayout.h"
#include "DemoOptFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace plorik::testing {

GameBuilder::GameBuilder(Family family)
    : m_family(family), m_entry(family == Family::Xwa ? demoXwaEntry() : demoXvtEntry()),
      m_exeName(family == Family::Xwa ? "xwingalliance.exe" : "Z_XVT__.EXE")
{
    layoutChanged();
}

void GameBuilder::layoutChanged()
{
    const DemoLayout layout(m_entry);
    m_xwa = layout.xwa();
    m_slots = layout.slots();
}

GameBuilder& GameBuilder::withDataFile(std::string text)
{
    m_dataFile = std::move(text);
    return *this;
}

GameBuilder& GameBuilder::unconfigured()
{
    m_configured = false;
    return *this;
}

GameBuilder& GameBuilder::settingsWithOneLine()
{
    m_oneLineSettings = true;
    return *this;
}

GameBuilder& GameBuilder::exeName(std::string name)
{
    m_exeName = std::move(name);
    return *this;
}

GameBuilder& GameBuilder::shortNames(std::vector<std::string> names)
{
    m_shortNames = std::move(names);
    return *this;
}

GameBuilder& GameBuilder::withBackupImage()
{
    m_backupImage = true;
    return *this;
}

GameBuilder& GameBuilder::withKey(std::string key, std::string value)
{
    m_entry.keys.emplace_back(std::move(key), std::move(value));
    m_keysChanged = true;
    layoutChanged();
    return *this;
}

GameBuilder& GameBuilder::withCraftBytes(std::int32_t slot, std::string key, std::vector<std::uint8_t> bytes,
                                         std::int64_t offset)
{
    m_patches.push_back({slot, std::move(key), offset, std::move(bytes)});
    return *this;
}

GameBuilder& GameBuilder::withPilotFiles()
{
    m_pilotFiles = true;
    return *this;
}

GameBuilder& GameBuilder::cutFile(std::string name, std::size_t lines)
{
    m_cuts[std::move(name)] = lines;
    return *this;
}

GameBuilder& GameBuilder::executableSize(std::size_t bytes)
{
    m_exeSize = bytes;
    return *this;
}

std::string GameBuilder::shortName(std::int32_t slot) const
{
    if (m_shortNames) {
        const auto index = static_cast<std::size_t>(slot - 1);
        return index < m_shortNames->size() ? (*m_shortNames)[index] : std::string();
    }
    return demoShortName(slot);
}

BuiltGame GameBuilder::build(const std::filesystem::path& root) const
{
    BuiltGame game;
    game.programDir = root / "program";
    game.gameDir = root / "game";
    game.exeName = m_exeName;
    game.versionName = m_entry.name;
    game.family = m_family;
    game.slots = DemoLayout(m_entry).slots();
    std::filesystem::create_directories(game.programDir);
    std::filesystem::create_directories(game.gameDir);

    if (m_dataFile)
        writeFile(game.programDir / "data.txt", *m_dataFile);
    else
        writeFile(game.programDir / "data.txt", m_keysChanged ? dataFileText({m_entry}) : shippedDataFile());
    if (m_configured) {
        std::string settings = game.gameDir.string() + "/\r\n";
        if (!m_oneLineSettings)
            settings += m_exeName + "\r\n";
        writeFile(game.programDir / "plorik.ini", settings);
    }
    if (m_backupImage)
        std::filesystem::create_directories(game.programDir / "PLORIKbackup" / m_entry.name);
    writeExecutable(game.gameDir / m_exeName);
    writeStrings(game.gameDir);
    writeFrontText(game.gameDir);
    writeDescriptions(game.gameDir);
    writeShipList(game.gameDir);
    writeOptLists(game.gameDir);
    writeDemoModels(*this, game.gameDir);
    writeCockpits(game.gameDir);
    if (m_xwa)
        writeDemoHookFiles(game.gameDir);
    if (m_pilotFiles)
        writePilotFiles(game.gameDir);
    return game;
}

void GameBuilder::writeGameText(const std::filesystem::path& gameDir, const std::string& name, const std::string& path,
                                const std::vector<std::string>& lines) const
{
    const auto cut = m_cuts.find(name);
    const std::size_t count = cut == m_cuts.end() ? lines.size() : std::min(cut->second, lines.size());
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += lines[i] + "\r\n";
    const std::filesystem::path file = gameDir / path;
    std::filesystem::create_directories(file.parent_path());
    writeFile(file, text);
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace plorik::testing
