// Writes a demo game folder and a program folder to open it with:
//   plorik-make-demo DIR [xvt|xwa]    DIR/program (data.txt, plorik.ini, demo-FAMILY.shp) and DIR/game
//   plorik-make-demo --version-entries  prints the demo entries of [XVT VERSIONS]
#include "GameBuilder.h"
#include "ShipFiles.h"

#include <iostream>
#include <string>

using plorik::testing::Family;

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string(argv[1]) == "--version-entries") {
        std::cout << plorik::testing::demoXvtEntry().render() << "[END OF VERSION]\r\n"
                  << plorik::testing::demoXwaEntry().render();
        return 0;
    }
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: plorik-make-demo DIR [xvt|xwa]\n";
        return 2;
    }
    const std::string family = argc == 3 ? argv[2] : "xvt";
    if (family != "xvt" && family != "xwa") {
        std::cerr << "plorik-make-demo: the family is xvt or xwa, not " << family << "\n";
        return 2;
    }
    try {
        const std::filesystem::path root = std::filesystem::absolute(argv[1]);
        std::filesystem::remove_all(root);
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
