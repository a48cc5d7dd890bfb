// Writes a demo game folder and a program folder to open it with:
//   plorik-make-demo DIR [xvt|xwa]    DIR/program (data.txt, plorik.ini, demo-FAMILY.shp) and DIR/game
//   plorik-make-demo --version-entries  prints the demo entries of [XVT VERSIONS]
// DIR is made when missing; an empty DIR is filled; an earlier demo's two folders are replaced.
// Anything else in DIR is never removed: the demo is refused.
#include "GameBuilder.h"
#include "ShipFiles.h"

#include "io/Platform.h"

#include <iostream>
#include <string>
#include <vector>

using plorik::testing::Family;

namespace {

constexpr const char* kUsage = "usage: plorik-make-demo DIR [xvt|xwa]\n"
                               "       plorik-make-demo --version-entries\n"
                               "Writes a demo game into DIR/game and a program folder that opens it into DIR/program.\n"
                               "DIR must be missing, empty or an earlier demo (whose two folders are replaced).\n";

bool isRealFolder(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::symlink_status(path, error));
}

// An earlier demo holds nothing but its game and program folders (real folders, not links), and its
// program folder holds the demo's ship file.
bool isEarlierDemo(const std::filesystem::path& root)
{
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if ((name != "game" && name != "program") || !isRealFolder(entry.path()))
            return false;
    }
    std::error_code error;
    const std::filesystem::path program = root / "program";
    return isRealFolder(program) && (std::filesystem::is_regular_file(program / "demo-xvt.shp", error) ||
                                     std::filesystem::is_regular_file(program / "demo-xwa.shp", error));
}

// Makes DIR ready for a new demo; false (after saying why) when it holds anything but an earlier demo.
bool prepareFolder(const std::filesystem::path& root, const std::string& given)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(root, error);
    if (!std::filesystem::exists(status))
        return true;
    if (!std::filesystem::is_directory(status)) {
        std::cerr << "plorik-make-demo: " << given << " is not a folder; nothing was changed\n";
        return false;
    }
    if (std::filesystem::is_empty(root))
        return true;
    if (!isEarlierDemo(root)) {
        std::cerr << "plorik-make-demo: " << given
                  << " is not empty (nor an earlier demo: only its game and program folders); nothing was changed\n";
        return false;
    }
    std::filesystem::remove_all(root / "game");
    std::filesystem::remove_all(root / "program");
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // The arguments as UTF-8 and standard output in binary (its lines end in LF) on every system.
    std::vector<std::string> words = plorik::platform::utf8Arguments(argc, argv);
    std::vector<char*> utf8Argv{argv[0]};
    for (std::string& word : words)
        utf8Argv.push_back(word.data());
    argc = static_cast<int>(utf8Argv.size());
    argv = utf8Argv.data();
    if (argc >= 2 && std::string(argv[1]) == "--version-entries") {
        std::cout << plorik::testing::demoXvtEntry().render() << "[END OF VERSION]\r\n"
                  << plorik::testing::demoXwaEntry().render();
        return 0;
    }
    if (argc >= 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (argc < 2 || argc > 3 || std::string(argv[1]).starts_with("-")) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string family = argc == 3 ? argv[2] : "xvt";
    if (family != "xvt" && family != "xwa") {
        std::cerr << "plorik-make-demo: the family is xvt or xwa, not " << family << "\n";
        return 2;
    }
    try {
        const std::filesystem::path root = std::filesystem::absolute(argv[1]);
        if (!prepareFolder(root, argv[1]))
            return 1;
        plorik::testing::GameBuilder builder(family == "xwa" ? Family::Xwa : Family::Xvt);
        builder.withPilotFiles();
        const auto game = builder.build(root);
        // A ship file to try "Open Ship.." with at once: slot 3's craft under names of its own.
        const std::vector<std::uint8_t> entry = builder.craftEntry(3);
        plorik::testing::writeFile(
            game.programDir / ("demo-" + family + ".shp"),
            plorik::testing::shipFileBytes({.slot = 3,
                                            .texts = plorik::testing::demoShipTexts(3, game.versionName),
                                            .binary = std::string(entry.begin(), entry.end())}));
        std::cout << game.programDir.string() << "\n";
    } catch (const std::exception& failure) {
        std::cerr << "plorik-make-demo: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
