#include "OptFixture.h"

#include <limits>

using namespace plorik;
using namespace plorik::testing;

namespace {

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

// Values that show how a float is written: 7 significant digits in general format.
constexpr std::array<float, 12> kBox = {1.5f,    0.1f,   123456.789f, -2.0f,   1234567.0f, 12345678.0f,
                                        1.0e-7f, -0.25f, 3.14159265f, 1.0e20f, 0.0f,       -1000.5f};
const std::vector<std::string> kBoxShown = {"1.5",   "0.1",   "123456.8", "-2",    "1234567", "1.234568e+07",
                                            "1e-07", "-0.25", "3.141593", "1e+20", "0",       "-1000.5"};

OptFileBuilder threeMeshes(std::int32_t globalOffset)
{
    OptFileBuilder opt;
    opt.globalOffset(globalOffset);
    opt.mesh({{OptOtherNode{13, 40}, OptVertexNode{300}, OptDescriptorNode{6, kBox},
               OptHardpointNode{1, {2.5f, -0.125f, 100.0f}}, OptOtherNode{20, 16}, OptHardpointNode{45, {0, 0, 0}}}});
    opt.mesh({{OptHardpointNode{39, {1, 2, 3}}, OptDescriptorNode{40, {}}, OptVertexNode{5}, OptVertexNode{7}}});
    opt.mesh({});
    return opt;
}

std::vector<std::string> cells(const Control& grid)
{
    std::vector<std::string> shown;
    for (std::size_t row = 1; row <= 4; ++row) {
        for (std::size_t column = 1; column <= 3; ++column)
            shown.push_back(grid.cell(row, column));
    }
    return shown;
}

} // namespace

TEST(OptInspection, ShowsEachMeshsChildrenInTheOrderOfItsChildList)
{
    // Base -8 (the game's usual 0), base 0 (pointers are file offsets) and a base of the file's own.
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        for (const std::int32_t globalOffset : {0, 8, 0x2F00}) {
            SCOPED_TRACE(number(globalOffset) + (family == Family::Xwa ? " XWA" : " XvT"));
            OptGame opt(family, threeMeshes(globalOffset));
            EXPECT_TRUE(opt.started.control(controls::OptInfoGroup).enabled());
            EXPECT_EQ(opt.started.control(controls::MeshList).items(), (std::vector<std::string>{"0", "1", "2"}));

            ASSERT_TRUE(opt.form().userPick(controls::MeshList, 0));
            EXPECT_EQ(opt.text(controls::MeshInfoBox),
                      lines({"Mesh info:", "Mesh offset: " + number(opt.layout.meshes[0]), "Vertices: 300",
                             "VX Offset: " + number(opt.child(0, 1) + 24), "Mesh type:6: Engine ",
                             "Mesh hitzone Offset: " + number(opt.child(0, 2) + 32)}));
            EXPECT_EQ(cells(opt.started.control(controls::HitzoneGrid)), kBoxShown);
            EXPECT_EQ(opt.text(controls::MeshTypeBox), "6: Engine ");
            EXPECT_EQ(opt.started.control(controls::HardpointList).items(),
                      (std::vector<std::string>{"1: RebelLaser", "Unknown"}));
            ASSERT_TRUE(opt.form().userPick(controls::HardpointList, 0));
            EXPECT_EQ(opt.text(controls::HardpointTypeBox), "1: RebelLaser");
            EXPECT_EQ(opt.text(controls::HardpointX) + "|" + opt.text(controls::HardpointY) + "|" +
                          opt.text(controls::HardpointZ),
                      "2.5|-0.125|100");
            ASSERT_TRUE(opt.form().userPick(controls::HardpointList, 1));
            EXPECT_EQ(opt.started.control(controls::HardpointTypeBox).index(), -1);

            // A type past the list shows "Unknown" and selects nothing; vertex nodes each give two lines.
            ASSERT_TRUE(opt.form().userPick(controls::MeshList, 1));
            EXPECT_EQ(opt.text(controls::MeshInfoBox),
                      lines({"Mesh info:", "Mesh offset: " + number(opt.layout.meshes[1]), "Mesh type:Unknown",
                             "Mesh hitzone Offset: " + number(opt.child(1, 1) + 32), "Vertices: 5",
                             "VX Offset: " + number(opt.child(1, 2) + 24), "Vertices: 7",
                             "VX Offset: " + number(opt.child(1, 3) + 24)}));
            EXPECT_EQ(opt.started.control(controls::MeshTypeBox).index(), -1);
            EXPECT_EQ(opt.started.control(controls::HardpointList).items(),
                      (std::vector<std::string>{"39: AI Hangar"}));

            // A mesh without children shows no other mesh's box or hardpoints.
            ASSERT_TRUE(opt.form().userPick(controls::MeshList, 2));
            EXPECT_EQ(opt.text(controls::MeshInfoBox),
                      lines({"Mesh info:", "Mesh offset: " + number(opt.layout.meshes[2])}));
            EXPECT_EQ(cells(opt.started.control(controls::HitzoneGrid)), std::vector<std::string>(12));
            EXPECT_TRUE(opt.started.control(controls::HardpointList).items().empty());
            EXPECT_EQ(opt.bytes(), opt.original);
            EXPECT_EQ(opt.started.messages(), std::vector<std::string>{});
        }
    }
}

TEST(OptInspection, TheGroupFollowsAModelFileInsideTheGameFolder)
{
    struct Case {
        const char* name; // "OPT File:" as the list file gives it
        bool enabled;
    };
    const std::vector<Case> cases = {
        {"model.opt", true},
        {"\\model.opt", true},        // a leading separator is still inside the game folder
        {"Sub\\..\\MODEL.OPT", true}, // ".." that stays inside, and another case
        {"none.opt", false},          // missing
        {"..\\outside.opt", false},   // exists, beside the game folder
        {"Sub\\..\\..\\outside.opt", false},
        {"Sub", false},           // a folder
        {"None assigned", false}, // the display's placeholder, even when a file has its name
    };
    OptGame opt(Family::Xvt, threeMeshes(0));
    const std::filesystem::path game = opt.started.game.gameDir;
    writeFile(game / "model.opt", threeMeshes(0).bytes());
    writeFile(game.parent_path() / "outside.opt", threeMeshes(0).bytes());
    writeFile(game / "None assigned", threeMeshes(0).bytes());
    std::filesystem::create_directories(game / "Sub");
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        opt.nameModel(2, each.name);
        opt.started.show(2);
        EXPECT_EQ(opt.text(controls::DBOPTFile), each.name);
        EXPECT_EQ(opt.started.control(controls::OptInfoGroup).enabled(), each.enabled);
        EXPECT_EQ(opt.started.control(controls::WriteMeshTypeButton).enabled(), each.enabled);
        EXPECT_EQ(opt.started.control(controls::MeshList).items().size(), each.enabled ? 3u : 0u);
        opt.started.show(1);
    }
    // An OPT file without meshes: an empty list in an enabled group.
    opt.put(OptFileBuilder().bytes());
    EXPECT_TRUE(opt.started.control(controls::OptInfoGroup).enabled());
    EXPECT_TRUE(opt.started.control(controls::MeshList).items().empty());
    EXPECT_TRUE(opt.started.messages().empty());
}

TEST(OptInspection, WritesPatchTheFileInPlaceAndShowWhatItNowHolds)
{
    for (const std::int32_t globalOffset : {0, 0x2F00}) {
        SCOPED_TRACE(globalOffset);
        OptGame opt(Family::Xwa, threeMeshes(globalOffset));
        ASSERT_TRUE(opt.form().userPick(controls::MeshList, 0));
        ASSERT_TRUE(opt.form().userPick(controls::MeshTypeBox, 31));
        const std::vector<std::string> typed = {"0.1", " 7 ", "-2.5", "1e3", "3.14159265", "0",
                                                "-0",  "inf", "12",   "13",  "14",         "1234567.89"};
        for (std::size_t k = 0; k < typed.size(); ++k)
            ASSERT_TRUE(opt.form().userEditCell(controls::HitzoneGrid, k / 3 + 1, k % 3 + 1, typed[k]));
        ASSERT_TRUE(opt.form().userPress(controls::WriteMeshTypeButton));

        constexpr float kInfinity = std::numeric_limits<float>::infinity();
        std::string expected = opt.original;
        const std::int64_t descriptor = opt.child(0, 2);
        putInt32(expected, descriptor + 24, 31);
        const std::array<float, 12> written = {0.1f,  7.0f,      -2.5f, 1000.0f, 3.14159265f, 0.0f,
                                               -0.0f, kInfinity, 12.0f, 13.0f,   14.0f,       1234567.89f};
        for (std::size_t k = 0; k < written.size(); ++k)
            putFloat(expected, descriptor + 32 + 4 * static_cast<std::int64_t>(k), written[k]);
        EXPECT_EQ(opt.bytes(), expected);
        EXPECT_EQ(opt.text(controls::MeshTypeBox), "31: Reactor");
        EXPECT_EQ(cells(opt.started.control(controls::HitzoneGrid)),
                  (std::vector<std::string>{"0.1", "7", "-2.5", "1000", "3.141593", "0", "-0", "inf", "12", "13", "14",
                                            "1234568"}));
        EXPECT_NE(opt.text(controls::MeshInfoBox).find("Mesh type:31: Reactor\r\n"), std::string::npos);

        ASSERT_TRUE(opt.form().userPick(controls::HardpointList, 1));
        ASSERT_TRUE(opt.form().userPick(controls::HardpointTypeBox, 21));
        opt.form().userEdit(controls::HardpointX, "-4.75");
        opt.form().userEdit(controls::HardpointY, "1e-3");
        opt.form().userEdit(controls::HardpointZ, "65536.5");
        ASSERT_TRUE(opt.form().userPress(controls::WriteHardpointButton));
        const std::int64_t hardpoint = opt.child(0, 5) + 24;
        putInt32(expected, hardpoint, 21);
        putFloat(expected, hardpoint + 4, -4.75f);
        putFloat(expected, hardpoint + 8, 1e-3f);
        putFloat(expected, hardpoint + 12, 65536.5f);
        EXPECT_EQ(opt.bytes(), expected);
        // The mesh is shown again: the list says what the file holds, and no hardpoint is selected.
        EXPECT_EQ(opt.started.control(controls::HardpointList).items(),
                  (std::vector<std::string>{"1: RebelLaser", "21: DockingPoint"}));
        EXPECT_EQ(opt.started.control(controls::HardpointList).index(), -1);
        EXPECT_TRUE(opt.started.messages().empty());
    }
}

TEST(OptInspection, ATypeThatItsListDoesNotHoldKeepsItsBytesWhileTheRestIsWritten)
{
    // Mesh 1's type 40 is past the 32 mesh types, hardpoint 1 of mesh 0 has type 45 of 40: both stay
    // as the file has them (the expected bytes keep them).
    OptGame opt(Family::Xwa, threeMeshes(0));
    std::string expected = opt.original;
    ASSERT_TRUE(opt.form().userPick(controls::MeshList, 1));
    ASSERT_EQ(opt.started.control(controls::MeshTypeBox).index(), -1);
    for (std::size_t k = 0; k < 12; ++k) {
        ASSERT_TRUE(opt.form().userEditCell(controls::HitzoneGrid, k / 3 + 1, k % 3 + 1, number(static_cast<int>(k))));
        putFloat(expected, opt.child(1, 1) + 32 + 4 * static_cast<std::int64_t>(k), static_cast<float>(k));
    }
    ASSERT_TRUE(opt.form().userPress(controls::WriteMeshTypeButton));
    EXPECT_EQ(opt.bytes(), expected);

    ASSERT_TRUE(opt.form().userPick(controls::MeshList, 0));
    ASSERT_TRUE(opt.form().userPick(controls::HardpointList, 1));
    ASSERT_EQ(opt.started.control(controls::HardpointTypeBox).index(), -1);
    opt.form().userEdit(controls::HardpointX, "1.5");
    opt.form().userEdit(controls::HardpointY, "-2");
    opt.form().userEdit(controls::HardpointZ, "8");
    ASSERT_TRUE(opt.form().userPress(controls::WriteHardpointButton));
    const std::int64_t hardpoint = opt.child(0, 5) + 24;
    putFloat(expected, hardpoint + 4, 1.5f);
    putFloat(expected, hardpoint + 8, -2.0f);
    putFloat(expected, hardpoint + 12, 8.0f);
    EXPECT_EQ(opt.bytes(), expected);
    EXPECT_EQ(opt.started.messages(), std::vector<std::string>{});
}

TEST(OptInspection, ADisplayThatStoppedLeavesNoModelToWrite)
{
    for (const ControlKey button : {controls::WriteMeshTypeButton, controls::WriteHardpointButton}) {
        SCOPED_TRACE(button);
        OptGame opt(Family::Xwa, threeMeshes(0));
        const auto otherModel = *modelPath(opt.builder, opt.started.game.gameDir, 2);
        const std::string other = readFile(otherModel);
        // Slot 1's mesh and hardpoint are shown and edited; then slot 2's display stops half-way.
        ASSERT_TRUE(opt.form().userPick(controls::MeshList, 0));
        ASSERT_TRUE(opt.form().userPick(controls::HardpointList, 0));
        opt.form().userEditCell(controls::HitzoneGrid, 1, 1, "99");
        opt.form().userEdit(controls::HardpointX, "99");
        std::filesystem::remove(opt.started.game.gameDir / "specdesc.txt");
        opt.started.show(2);
        ASSERT_TRUE(opt.started.session->slotNotShown());
        EXPECT_TRUE(opt.started.control(controls::MeshList).items().empty());
        EXPECT_TRUE(opt.started.control(controls::HardpointList).items().empty());

        opt.started.prompter.clearRecords();
        ASSERT_TRUE(opt.form().userPress(button));
        ASSERT_EQ(opt.started.messages().size(), 1u);
        const std::string refusal = opt.started.messages()[0];
        EXPECT_EQ(refusal.rfind("PLORIK error:|Slot 2 is not fully shown: its display stopped at ", 0), 0u) << refusal;
        EXPECT_EQ(refusal.substr(refusal.size() - 20), "Nothing was written.");
        EXPECT_TRUE(refusal.ends_with(".\r\rShow the slot again once its files can be read.\r\rNothing was written."))
            << refusal;
        EXPECT_EQ(opt.bytes(), opt.original) << "slot 1's model";
        EXPECT_EQ(readFile(otherModel), other);
    }
}

TEST(OptInspection, AWriteThatCannotBeMadeWritesNothing)
{
    const std::string selectMesh = "PLORIK error:|Select a mesh of this OPT file first. Nothing was written.";
    const std::string selectHardpoint = "PLORIK error:|Select a hardpoint of this mesh first. Nothing was written.";
    struct Refusal {
        const char* what;
        std::function<void(OptGame&)> steps;
        ControlKey button;
        std::string message;
    };
    const auto pick = [](ControlKey key, int index) { return [=](OptGame& opt) { opt.form().userPick(key, index); }; };
    const std::vector<Refusal> refusals = {
        {"no mesh selected since the refill", [](OptGame&) {}, controls::WriteMeshTypeButton, selectMesh},
        {"a mesh without a mesh descriptor", pick(controls::MeshList, 2), controls::WriteMeshTypeButton,
         "PLORIK error:|Mesh 2 has no mesh descriptor, so it has no mesh type and collision box to write. Nothing "
         "was written."},
        {"the mesh of another slot's file",
         [](OptGame& opt) {
             opt.form().userPick(controls::MeshList, 0);
             opt.started.show(2);
         },
         controls::WriteMeshTypeButton, selectMesh},
        {"a cell that is no number",
         [](OptGame& opt) {
             opt.form().userPick(controls::MeshList, 0);
             opt.form().userEditCell(controls::HitzoneGrid, 4, 3, "1.5.2");
         },
         controls::WriteMeshTypeButton,
         "PLORIK|\"1.5.2\" is not a valid floating point value (Max Z).\r\rNothing was written."},
        {"no hardpoint selected", pick(controls::MeshList, 0), controls::WriteHardpointButton, selectHardpoint},
        {"a hardpoint of another slot's file",
         [](OptGame& opt) {
             opt.form().userPick(controls::MeshList, 0);
             opt.form().userPick(controls::HardpointList, 0);
             opt.started.show(2);
         },
         controls::WriteHardpointButton, selectHardpoint},
        {"a position that is no number",
         [](OptGame& opt) {
             opt.form().userPick(controls::MeshList, 0);
             opt.form().userPick(controls::HardpointList, 0);
             opt.form().userEdit(controls::HardpointZ, "1,5");
         },
         controls::WriteHardpointButton,
         "PLORIK|\"1,5\" is not a valid floating point value (Hardpoint Z).\r\rNothing was written."},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        OptGame opt(Family::Xvt, threeMeshes(0));
        const auto otherModel = *modelPath(opt.builder, opt.started.game.gameDir, 2);
        const std::string other = readFile(otherModel);
        refusal.steps(opt);
        ASSERT_TRUE(opt.form().userPress(refusal.button));
        EXPECT_EQ(opt.started.messages(), std::vector<std::string>{refusal.message});
        EXPECT_EQ(opt.bytes(), opt.original);
        EXPECT_EQ(readFile(otherModel), other);
    }
}

TEST(OptInspection, AnotherProgramsChangeToTheFileStopsTheWrite)
{
    OptGame opt(Family::Xvt, threeMeshes(0));
    ASSERT_TRUE(opt.form().userPick(controls::MeshList, 0));
    ASSERT_TRUE(opt.form().userPick(controls::HardpointList, 0));
    // The file is rewritten with its nodes elsewhere while the page shows the old offsets.
    std::string moved = threeMeshes(0).globalOffset(0x100).bytes();
    moved.insert(22 + 3 * 4, std::string(64, '\0'));
    writeFile(opt.model, moved);
    for (ControlKey button : {controls::WriteMeshTypeButton, controls::WriteHardpointButton}) {
        opt.started.prompter.clearRecords();
        ASSERT_TRUE(opt.form().userPress(button));
        ASSERT_EQ(opt.started.messages().size(), 1u);
        EXPECT_EQ(opt.started.messages()[0].rfind("PLORIK error:|The OPT file no longer holds the node shown", 0), 0u)
            << opt.started.messages()[0];
        EXPECT_TRUE(opt.started.messages()[0].ends_with(
            "); it was changed since. Select the mesh again.\r\rNothing was written."))
            << opt.started.messages()[0];
        EXPECT_EQ(opt.bytes(), moved);
    }
}
