#include "DemoLayout.h"
#include "GameBuilder.h"

#include <array>

namespace plorik::testing {

namespace {

struct Cockpit {
    const char* path; // as written under the game folder
    const char* name; // folder and name as the tests name it
    int number;       // what the names and values are made from
    std::size_t size;
};

constexpr std::size_t kFullSize = GameBuilder::kDemoPanelOffset + 24;
// CP640 has cockpits with names the "Cockpit:" list leaves out: one starting with "map" and one no
// longer than the panel's offset. CP480 has only CPIT1, CP320 only CPIT2.
constexpr std::array<Cockpit, 8> kCockpits = {{
    {"CP640/CPIT1.int", "CP640\\CPIT1", 1, kFullSize},
    {"CP640/CPIT2.int", "CP640\\CPIT2", 2, kFullSize},
    {"CP640/CPIT3.INT", "CP640\\CPIT3", 3, kFullSize},
    {"CP640/MapView.int", "CP640\\MapView", 4, kFullSize},
    {"CP640/mapfront.int", "CP640\\mapfront", 5, kFullSize},
    {"CP640/SHORT.int", "CP640\\SHORT", 6, static_cast<std::size_t>(GameBuilder::kDemoPanelOffset)},
    {"CP480/CPIT1.int", "CP480\\CPIT1", 7, kFullSize},
    {"cp320/CPIT2.int", "CP320\\CPIT2", 8, kFullSize},
}};

const Cockpit* cockpitNamed(const std::string& name)
{
    for (const Cockpit& cockpit : kCockpits) {
        if (cockpit.name == name)
            return &cockpit;
    }
    return nullptr;
}

// The name records lie 36 bytes apart, skipping the pair at 648.
std::size_t recordOffset(std::size_t record)
{
    return 36 * (record < 18 ? record : record + 1);
}

// The code byte of each record: 1 (a name) but for a few that stand for the other codes.
std::uint8_t codeOf(std::size_t record)
{
    switch (record) {
    case 9: return 193;  // ImpMirror
    case 11: return 206; // RebMirror
    case 17: return 145; // Standard
    case 19: return 0;   // nothing
    default: return 1;
    }
}

constexpr const char* kViews[] = {"T", "TR", "R", "BR", "B", "BL", "L", "TL"};

// Record 0 fills all 8 characters, without a 0 byte after them.
std::string nameOf(int number, std::size_t record)
{
    const std::string cockpit = "C" + std::to_string(number);
    if (record == 0)
        return cockpit + "NRMTOP";
    if (record < 16)
        return cockpit + (record < 8 ? "N" : "H") + kViews[record % 8];
    constexpr const char* kSingles[] = {"UP", "CAM", "HUD", "FOL", "MAP"};
    return cockpit + kSingles[record - 16];
}

void put16(std::string& bytes, std::size_t at, std::uint32_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

} // namespace

std::string GameBuilder::cockpitName(const std::string& cockpit, std::size_t record) const
{
    const Cockpit* found = cockpitNamed(cockpit);
    if (!found)
        return "";
    switch (codeOf(record)) {
    case 1: return nameOf(found->number, record);
    case 145: return "Standard";
    case 193: return "ImpMirror";
    case 206: return "RebMirror";
    default: return "";
    }
}

// The last record's value is 65535.
std::uint16_t GameBuilder::cockpitValue(const std::string& cockpit, std::size_t record) const
{
    const Cockpit* found = cockpitNamed(cockpit);
    if (record == 20)
        return 65535;
    return static_cast<std::uint16_t>((found ? found->number : 0) * 1000 + record * 10);
}

std::string GameBuilder::cockpitPanel(const std::string& cockpit) const
{
    const Cockpit* found = cockpitNamed(cockpit);
    return "PANEL" + std::to_string(found ? found->number : 0);
}

std::string GameBuilder::cockpitBytes(const std::string& cockpit) const
{
    const Cockpit* found = cockpitNamed(cockpit);
    if (!found)
        return "";
    std::string bytes(found->size, '\0');
    for (std::size_t p = 0; p < bytes.size(); ++p)
        bytes[p] = static_cast<char>((p * 7 + 3 + found->number) & 0xFF);
    for (std::size_t record = 0; record < 21; ++record) {
        const std::size_t at = recordOffset(record);
        bytes[at] = static_cast<char>(codeOf(record));
        const std::string name = nameOf(found->number, record);
        for (std::size_t i = 0; i < name.size(); ++i)
            bytes[at + 1 + i] = name[i];
        if (name.size() < 8)
            bytes[at + 1 + name.size()] = 0;
        put16(bytes, at + 18, cockpitValue(cockpit, record));
    }
    // Every 12-byte record of the part area: X, Y, two unused bytes and a variable, 0 or 1 but for
    // the two zoom factors.
    for (std::size_t part = 1008; part + 12 <= 4356 && part + 12 <= bytes.size(); part += 12) {
        const std::size_t k = (part - 1008) / 12;
        put16(bytes, part, (found->number * 50 + k * 3) % 640);
        put16(bytes, part + 2, (k * 5) % 480);
        put16(bytes, part + 6, part == 1032 ? 150 : part == 2760 ? 175 : k % 2);
    }
    if (bytes.size() >= kDemoPanelOffset + 8) {
        const std::string panel = cockpitPanel(cockpit);
        for (std::size_t i = 0; i < 8; ++i)
            bytes[kDemoPanelOffset + i] = i < panel.size() ? panel[i] : '\0';
    }
    return bytes;
}

void GameBuilder::writeCockpits(const std::filesystem::path& gameDir) const
{
    if (m_xwa)
        return;
    for (const Cockpit& cockpit : kCockpits) {
        const std::filesystem::path file = gameDir / cockpit.path;
        std::filesystem::create_directories(file.parent_path());
        writeFile(file, cockpitBytes(cockpit.name));
    }
}

} // namespace plorik::testing
