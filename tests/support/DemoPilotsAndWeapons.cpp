#include "DemoLayout.h"
#include "GameBuilder.h"

namespace plorik::testing {

namespace {

// A pilot file keeps, for species n, whether its craft is known at 68762 + n.
constexpr std::size_t kKnownCraft = 68762;
constexpr std::size_t kPilotFileSize = kKnownCraft + 256 + 100;

void put(std::vector<std::uint8_t>& exe, std::int64_t at, std::int64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        exe.at(static_cast<std::size_t>(at + i)) = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::vector<std::string> GameBuilder::pilotFileNames()
{
    return {"Ace.plt", "ROOKIE.PLT", "veteran.Plt"};
}

// Each pilot knows another set of craft; the bytes around them differ from pilot to pilot.
void GameBuilder::writePilotFiles(const std::filesystem::path& gameDir) const
{
    const std::vector<std::string> names = pilotFileNames();
    for (std::size_t pilot = 0; pilot < names.size(); ++pilot) {
        std::string bytes(kPilotFileSize, '\0');
        for (std::size_t p = 0; p < bytes.size(); ++p)
            bytes[p] = static_cast<char>((p * 7 + pilot * 29 + 3) & 0xFF);
        for (std::size_t species = 1; species <= 255; ++species)
            bytes[kKnownCraft + species] = (species + pilot) % 3 == 0 ? '\0' : '\1';
        writeFile(gameDir / names[pilot], bytes);
    }
}

// The weapon block at WEAPONOFFSET: power, speed, time to live, an unknown value and the category
// of twelve weapons, laid out as each family keeps them.
void GameBuilder::writeWeaponBlock(std::vector<std::uint8_t>& exe) const
{
    const DemoLayout layout(m_entry);
    if (!layout.has("WEAPONOFFSET"))
        return;
    const std::int64_t start = layout.value("WEAPONOFFSET");
    if (start < 0 || start + 336 > static_cast<std::int64_t>(exe.size()))
        return;
    const bool xwa = layout.xwa();
    for (std::int64_t w = 0; w < 12; ++w) {
        put(exe, start + w * 4, xwa ? 90000 + 1000 * w : 500 + 25 * w, xwa ? 4 : 2);
        put(exe, start + (xwa ? 112 + w * 2 : 96 + w * 4), 1000 + 50 * w, 2);
        put(exe, start + (xwa ? 168 + w * 2 : 144 + w * 4), 4 + w % 5, 2);
        put(exe, start + (xwa ? 216 + w * 4 : 192 + w * 4), 7 * w + 1, 2);
        put(exe, start + (xwa ? 280 + w * 2 : 240 + w * 4), w % 4, 2);
    }
}

} // namespace plorik::testing
