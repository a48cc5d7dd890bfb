#include "GameBuilder.h"

namespace plorik::testing {

namespace {

// A pilot file keeps, for species n, whether its craft is known at 68762 + n.
constexpr std::size_t kKnownCraft = 68762;
constexpr std::size_t kPilotFileSize = kKnownCraft + 256 + 100;

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

} // namespace plorik::testing
