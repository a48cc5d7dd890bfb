#include "OptFixture.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

// Clicks every mesh and every hardpoint the page lists, as a curious user would.
void clickEverything(OptGame& opt)
{
    const std::size_t meshes = opt.started.control(controls::MeshList).items().size();
    for (std::size_t mesh = 0; mesh < meshes; ++mesh) {
        opt.form().userPick(controls::MeshList, static_cast<int>(mesh));
        const std::size_t hardpoints = opt.started.control(controls::HardpointList).items().size();
        for (std::size_t hardpoint = 0; hardpoint < hardpoints; ++hardpoint)
            opt.form().userPick(controls::HardpointList, static_cast<int>(hardpoint));
    }
}

OptFileBuilder smallModel()
{
    return OptFileBuilder()
        .globalOffset(0)
        .mesh({{OptVertexNode{2}, OptDescriptorNode{1, {}}, OptHardpointNode{3, {1, 2, 3}}}})
        .mesh({{OptHardpointNode{7, {4, 5, 6}}, OptOtherNode{20, 8}, OptDescriptorNode{2, {}}}});
}

} // namespace

TEST(OptDamagedFile, ATruncatedFileGivesMessagesAndIsNeverReadPastItsEnd)
{
    OptGame opt(Family::Xvt, smallModel());
    const std::string whole = opt.original;
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        opt.started.prompter.clearRecords();
        opt.put(whole.substr(0, length));
        clickEverything(opt);
        // Every fault is found by the reader's own checks: no read beyond the end (the standard box).
        for (const std::string& message : opt.started.messages())
            EXPECT_EQ(message.rfind("PLORIK error:|", 0), 0u) << message;
        EXPECT_FALSE(opt.started.messages().empty());
        EXPECT_EQ(opt.bytes(), opt.original);
    }
}

TEST(OptDamagedFile, PointersCountsAndLoopsThatLieGiveMessages)
{
    OptLayout layout;
    const std::string model = smallModel().bytes(&layout);
    const std::int64_t mesh0 = layout.meshes[0];
    const std::int64_t base = layout.base;
    struct Damage {
        const char* what;
        std::function<void(std::string&)> apply;
        std::vector<std::string> messages; // shown by the refill and the clicks
        std::size_t meshesListed;
    };
    const std::vector<Damage> damages = {
        {"256 meshes",
         [](std::string& b) { putInt32(b, 14, 256); },
         {"PLORIK|The OPT file gives 256 meshes; an OPT file holds at most 255."},
         0},
        {"a negative mesh count",
         [](std::string& b) { putInt32(b, 14, -1); },
         {"PLORIK error:|The OPT file gives a negative number of meshes (-1)."},
         0},
        {"more mesh pointers than the file holds",
         [](std::string& b) { putInt32(b, 14, 255); },
         {"PLORIK error:|The OPT file ends inside its list of 255 mesh pointers."},
         0},
        {"a mesh pointer past the end",
         [](std::string& b) { putInt32(b, 26, 0x7FFFFFF0); },
         {"PLORIK error:|Mesh 1 points outside the file."},
         2},
        {"a mesh pointer before the start",
         [](std::string& b) { putInt32(b, 22, -100); },
         {"PLORIK error:|Mesh 0 points outside the file."},
         2},
        {"a negative child count",
         [=](std::string& b) { putInt32(b, mesh0 + 8, -3); },
         {"PLORIK error:|Mesh 0 gives a negative number of child nodes (-3)."},
         2},
        {"a child count past the end",
         [=](std::string& b) { putInt32(b, mesh0 + 8, 1000000); },
         {"PLORIK error:|The list of the 1000000 child nodes of mesh 0 lies outside the file."},
         2},
        {"a child pointer past the end",
         [=](std::string& b) {
             putInt32(b, mesh0 + 24 + 4, static_cast<std::int32_t>(static_cast<std::int64_t>(b.size()) - 6 + base));
         },
         {"PLORIK error:|Child node 1 of mesh 0 points outside the file."},
         2},
        // The file's last node, mesh 1's hardpoint, made a mesh descriptor: too short for one.
        {"a descriptor that ends past the end",
         [=](std::string& b) {
             putInt32(b, static_cast<std::int64_t>(b.size()) - 40 + 4, 25);
             putInt32(b, mesh0 + 24 + 4, static_cast<std::int32_t>(static_cast<std::int64_t>(b.size()) - 40 + base));
         },
         {"PLORIK error:|Child node 1 of mesh 0 (a mesh descriptor node) ends outside the file.",
          "PLORIK error:|Child node 0 of mesh 1 (a mesh descriptor node) ends outside the file."},
         2},
        // Children that are the mesh itself, or the header: passed over, however often.
        {"a child list that points at its own mesh",
         [=](std::string& b) {
             for (std::int64_t child = 0; child < 3; ++child)
                 putInt32(b, mesh0 + 24 + 4 * child, static_cast<std::int32_t>(mesh0 + base));
         },
         {},
         2},
        {"a mesh that points at the header",
         [=](std::string& b) { putInt32(b, 22, static_cast<std::int32_t>(base)); },
         {},
         2},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        OptGame opt(Family::Xwa, smallModel());
        opt.started.prompter.clearRecords();
        std::string damaged = model;
        damage.apply(damaged);
        opt.put(damaged);
        EXPECT_EQ(opt.started.control(controls::MeshList).items().size(), damage.meshesListed);
        clickEverything(opt);
        EXPECT_EQ(opt.started.messages(), damage.messages);
        EXPECT_EQ(opt.bytes(), damaged);
    }
}

TEST(OptDamagedFile, AMeshListsAtMost256Hardpoints)
{
    for (const std::int32_t hardpoints : {256, 257, 10000}) {
        SCOPED_TRACE(hardpoints);
        OptMesh mesh;
        for (std::int32_t i = 0; i < hardpoints; ++i)
            mesh.children.push_back(OptHardpointNode{i % 40, {static_cast<float>(i), 0, 0}});
        OptGame opt(Family::Xvt, OptFileBuilder().mesh(mesh));
        ASSERT_TRUE(opt.form().userPick(controls::MeshList, 0));
        const Control& list = opt.started.control(controls::HardpointList);
        if (hardpoints <= 256) {
            EXPECT_EQ(list.items().size(), 256u);
            EXPECT_EQ(list.items()[255], "15: FiredBomb");
            EXPECT_TRUE(opt.started.messages().empty());
        } else {
            EXPECT_TRUE(list.items().empty());
            EXPECT_EQ(opt.started.messages(), std::vector<std::string>{"PLORIK|Mesh 0 has more than 256 hardpoints; at "
                                                                       "most 256 can be listed."});
            // Nothing of the mesh was kept: its hardpoints cannot be written.
            ASSERT_TRUE(opt.form().userPress(controls::WriteHardpointButton));
            EXPECT_EQ(opt.started.messages().back(),
                      "PLORIK error:|Select a hardpoint of this mesh first. Nothing was written.");
        }
        EXPECT_EQ(opt.bytes(), opt.original);
    }
}
