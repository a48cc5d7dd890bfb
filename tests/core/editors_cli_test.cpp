// plorik-cli run reaches every command of the cockpit and weapon editors: lists, context menus and
// the write buttons, with the bytes they write.
#include "CliRunner.h"
#include "WriteFixture.h"

using namespace plorik::testing;

TEST(EditorsCli, EveryCockpitCommandIsAStep)
{
    const CliGame cli{GameBuilder(Family::Xvt)};
    const std::string cockpit = "CP640\\CPIT2";
    const std::filesystem::path file = cli.game.gameDir / "CP640" / "CPIT2.int";
    std::string expected = readFile(file);
    const CliOutput result = cli.run({"--answer",
                                      "file:/elsewhere/NEWVIEW.LFD",
                                      "run",
                                      "--window",
                                      "cockpit",
                                      "--set",
                                      "ResolutionList=480",
                                      "--set",
                                      "ResolutionList=@0",
                                      "--set",
                                      "CockpitFileBox=CPIT2",
                                      "--press",
                                      "NormalTopBox:Browse",
                                      "--press",
                                      "HudBox:ImpMirror",
                                      "--press",
                                      "MapBox:RebMirror",
                                      "--press",
                                      "UpBox:Standard",
                                      "--set",
                                      "CockpitPartsBox=Laser/Ion indicator 1",
                                      "--set",
                                      "VariableBox=@1",
                                      "--set",
                                      "PartXBox=12",
                                      "--press",
                                      "Save CP"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.err, "Open a *.LFD file LFD file |*.lfd\n  answer: /elsewhere/NEWVIEW.LFD\n");
    EXPECT_NE(result.out.find("\nNormalTopBox\tNEWVIEW\n"), std::string::npos) << result.out;
    // The new name; the code words' 0 bytes (also of the records that showed one); the part.
    patch(expected, 1, {'N', 'E', 'W', 'V', 'I', 'E', 'W', 0});
    for (const std::int64_t at : {325, 397, 577, 613, 685, 721, 757})
        patch(expected, at, {0});
    patch(expected, 1044, {12, 0});
    patch(expected, 1050, {1, 0});
    EXPECT_EQ(differences(readFile(file), expected), std::vector<std::size_t>{});
}

TEST(EditorsCli, EveryWeaponCommandIsAStep)
{
    const CliGame xvt{GameBuilder(Family::Xvt)};
    std::string exe = readFile(xvt.game.executable());
    const CliOutput written = xvt.run({"run", "--window", "weapons", "--set", "WeaponList=@2", "--set", "PowerBox=5",
                                       "--set", "CategoryList=3  Bomb", "--press", "Write Wpn"});
    EXPECT_EQ(written.exit, 0) << written.err;
    EXPECT_NE(written.out.find("\nCategoryNumberBox\t3\n"), std::string::npos) << written.out;
    patch(exe, 0x8000 + 8, {5, 0});
    patch(exe, 0x8000 + 248, {3, 0});
    EXPECT_EQ(differences(readFile(xvt.game.executable()), exe), std::vector<std::size_t>{});

    const CliGame xwa{GameBuilder(Family::Xwa)};
    exe = readFile(xwa.game.executable());
    const std::filesystem::path list = xwa.game.gameDir / "FlightModels" / "EQUIPMENT0.LST";
    std::vector<std::string> lines = crlfLines(readFile(list));
    const CliOutput xwaWritten = xwa.run({"run", "--window", "weapons", "--set", "WeaponList=@1", "--set",
                                          "WpnEnabledBox=true", "--set", "WpnTypeList=@18", "--set", "WpnIndexBox=4",
                                          "--set", "WpnOptBox=CLI.opt", "--press", "WriteWpnButton"});
    EXPECT_EQ(xwaWritten.exit, 0) << xwaWritten.err;
    lines.at(4) = "CLI.opt";
    EXPECT_EQ(readFile(list), crlfText(lines));
    const std::int64_t record = 0x1A000 + (230 + 8) * 24 + 24;
    patch(exe, record, {3});
    patch(exe, record + 3, {18});
    patch(exe, record + 22, {4, 0});
    EXPECT_EQ(differences(readFile(xwa.game.executable()), exe), std::vector<std::size_t>{});
}
