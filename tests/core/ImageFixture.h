#pragma once

// Games with a backup image: what the image must hold, worked out from the builder's layout and the
// game's files rather than from the program's own tables.
#include "WriteFixture.h"

#include "io/FileFaults.h"

namespace plorik::testing {

// The image folder of the version the session identified.
inline std::filesystem::path imageFolder(const WriteGame& game)
{
    return game.game.programDir / "PLORIKbackup" / game.session->versionName();
}

// The weapon names of the shipped data.txt for the family: the lines between the section's header
// and its "[END]".
inline std::size_t weaponNameCount(bool xwa)
{
    const std::string data = shippedDataFile();
    const std::string header = xwa ? "[XWA WEAPON NAMES]\r\n" : "[WEAPON NAMES]\r\n";
    const std::size_t start = data.find(header) + header.size();
    const std::size_t end = data.find("[END]", start);
    std::size_t lines = 0;
    for (std::size_t at = start; at < end; at = data.find("\r\n", at) + 2)
        ++lines;
    return lines;
}

// Every file the image of `game` must hold, as it stands in the game folder now.
inline std::map<std::string, std::string> expectedImage(const WriteGame& game)
{
    const DemoLayout layout = game.layout();
    const std::string exe = game.exe();
    std::map<std::string, std::string> image;
    // A file the game lacks has no copy (the backup says so).
    const auto copy = [&](const std::string& imageName, const std::string& gamePath) {
        if (std::filesystem::exists(game.path(gamePath)))
            image[imageName] = game.file(gamePath);
    };
    copy("specdesc.txt", "specdesc.txt");
    copy("strings.txt", "strings.txt");
    if (layout.xwa()) {
        copy("shiplist.txt", "shiplist.txt");
        copy("Equipment0.lst", "FlightModels/EQUIPMENT0.LST");
        copy("Spacecraft0.lst", "FlightModels/SPACECRAFT0.LST");
    } else {
        copy("fronttxt.txt", "fronttxt.txt");
        copy("spec640.lst", "IVFiles/Spec640.LST");
        copy("spec2640.lst", "IVFiles/SPEC2640.lst");
        copy("spec3640.lst", "IVFiles/spec3640.lst");
    }
    const auto block = [&](const std::string& name, std::int64_t at, std::int64_t length) {
        image[name + std::to_string(at) + ".bin"] =
            exe.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
    };
    const std::int64_t slots = layout.slots();
    block("shipstats", layout.value("CRAFTOFFSET"), slots * layout.value("ENTRYLENGTH"));
    if (layout.has("SHIPTYPESTART"))
        block("shiptypeblock", layout.value("SHIPTYPESTART") - 3,
              (static_cast<std::int64_t>(weaponNameCount(layout.xwa())) + 1) * 24 +
                  (slots + 8) * layout.value("SHIPTYPELEN") - 3);
    if (layout.has("WEAPONOFFSET"))
        block("Weaponstats", layout.value("WEAPONOFFSET"), 336);
    if (layout.has("SPECNOOFFSET"))
        block("specno", layout.value("SPECNOOFFSET"), 2 * slots);
    for (const auto& entry : std::filesystem::directory_iterator(game.game.gameDir)) {
        std::string extension = entry.path().extension().string();
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (extension == ".plt" && entry.is_regular_file())
            image[entry.path().filename().string()] = readFile(entry.path());
    }
    return image;
}

// Presses a menu item; false when it is off.
inline bool press(WriteGame& game, ControlKey key, const std::vector<std::string>& answers = {})
{
    for (const std::string& answer : answers)
        game.prompter.addAnswer(answer);
    return game.form().userPress(key);
}

// Takes the backup image and starts again on `slot`, as the restore and package commands need.
inline void backUpAndRestart(WriteGame& game, std::int32_t slot = 1)
{
    game.startAt(1);
    ASSERT_TRUE(press(game, controls::CreateBackupImageItem));
    ASSERT_EQ(game.messages(), std::vector<std::string>{});
    game.startAt(slot);
}

inline std::string status(WriteGame& game)
{
    return game.control(controls::StatusBar).text();
}

// Arms a fault of the file layer for one scope.
class ArmedFault {
public:
    ArmedFault(FileFaults::Step step, int nth, std::size_t partialBytes = 0)
    {
        FileFaults::arm(step, nth, partialBytes);
    }
    ~ArmedFault() { FileFaults::disarm(); }
    ArmedFault(const ArmedFault&) = delete;
    ArmedFault& operator=(const ArmedFault&) = delete;
};

} // namespace plorik::testing
