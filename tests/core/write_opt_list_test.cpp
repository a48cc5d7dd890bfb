// "Write" and the OPT list files: the model name at the craft's index, a new entry for a craft
// without a list, and the selector and index in the ship type entry.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

// The list files as the demo writes them (in another case than the program names them).
const char* const kXvtMainList = "IVFiles/Spec640.LST";
const char* const kXvtBaseList = "IVFiles/spec3640.lst";
const char* const kXwaCraftList = "FlightModels/SPACECRAFT0.LST";

std::set<std::string> changedBesides(const std::map<std::string, std::string>& before, const WriteGame& game)
{
    std::set<std::string> changed = changedFiles(before, snapshot(game.game.gameDir));
    for (const char* written : {"Z_XVT__.EXE", "xwingalliance.exe", "strings.txt", "shiplist.txt", "specdesc.txt"})
        changed.erase(written);
    return changed;
}

} // namespace

TEST(WriteOptList, TheModelNameReplacesTheLineAtTheIndex)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(2);
    ASSERT_EQ(game.control(controls::OptListFileBox).text(), "ivfiles\\spec3640.lst");
    ASSERT_EQ(game.control(controls::OptIndexBox).text(), "1");
    std::vector<std::string> expected = crlfLines(game.file(kXvtBaseList));
    const auto before = snapshot(game.game.gameDir);
    ASSERT_TRUE(game.form().userEdit(controls::DBOPTFile, "NEWSHIP.opt"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    expected.at(1) = "NEWSHIP.opt";
    EXPECT_EQ(game.file(kXvtBaseList), crlfText(expected));
    EXPECT_EQ(changedBesides(before, game), std::set<std::string>{kXvtBaseList}) << "no list under another name";
}

TEST(WriteOptList, AnUnknownListBecomesTheMainListWithTheNameAppended)
{
    struct Case {
        Family family;
        const char* gameName;
        const char* path;
        const char* shownName;
        std::int64_t selector; // P + this
        std::size_t selectorWidth;
        std::int64_t index;
        std::size_t indexWidth;
    };
    const Case cases[] = {
        {Family::Xvt, "ivfiles\\spec640.lst", kXvtMainList, "ivfiles\\spec640.lst", 21, 1, 22, 1},
        {Family::Xwa, "FlightModels\\SPACECRAFT0.LST", kXwaCraftList, "FlightModels\\SPACECRAFT0.LST", 17, 2, 19, 2},
    };
    for (const Case& each : cases) {
        // Slot 10 of both demo games has a selector without a list.
        WriteGame game{GameBuilder(each.family).cutFile(each.gameName, 12)};
        game.startAt(10);
        ASSERT_EQ(game.control(controls::OptListFileBox).text(), "unknown");
        ASSERT_EQ(game.control(controls::DBOPTFile).text(), "None Assigned");
        std::vector<std::string> expected = crlfLines(game.file(each.path));
        ASSERT_EQ(expected.size(), 12u);
        const auto before = snapshot(game.game.gameDir);
        ASSERT_TRUE(game.form().userEdit(controls::DBOPTFile, "FRESH.opt"));
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(game.control(controls::OptListFileBox).text(), each.shownName);
        EXPECT_EQ(game.control(controls::OptIndexBox).text(), "12");
        expected.push_back("FRESH.opt");
        EXPECT_EQ(game.file(each.path), crlfText(expected));
        EXPECT_EQ(changedBesides(before, game), std::set<std::string>{each.path});
        const std::string exe = game.exe();
        EXPECT_EQ(numberAt(exe, game.shipTypeAt(10) + each.selector, each.selectorWidth), 0u);
        EXPECT_EQ(numberAt(exe, game.shipTypeAt(10) + each.index, each.indexWidth), 12u);
    }
}

TEST(WriteOptList, CountingAnUnknownListStopsAfterItsFirstEmptyLine)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    const std::vector<std::string> list = {"A.opt", "B.opt", "", "C.opt", "D.opt"};
    writeFile(game.path(kXvtMainList), crlfText(list));
    game.startAt(10);
    ASSERT_TRUE(game.form().userEdit(controls::DBOPTFile, "FRESH.opt"));
    game.write();
    EXPECT_EQ(game.control(controls::OptIndexBox).text(), "3");
    EXPECT_EQ(game.file(kXvtMainList), crlfText({"A.opt", "B.opt", "", "FRESH.opt", "D.opt"}));
}

TEST(WriteOptList, AnIndexPastTheEndAppendsTheNameAndTakesTheLineCount)
{
    GameBuilder builder(Family::Xvt);
    ASSERT_EQ(builder.optList(44), 2);
    ASSERT_GT(builder.optIndex(44), builder.optListLength(2));
    WriteGame game{builder};
    game.startAt(44);
    ASSERT_EQ(game.control(controls::DBOPTFile).text(), "None assigned");
    std::vector<std::string> expected = crlfLines(game.file(kXvtBaseList));
    ASSERT_TRUE(game.form().userEdit(controls::DBOPTFile, "LATE.opt"));
    game.write();
    expected.push_back("LATE.opt");
    EXPECT_EQ(game.file(kXvtBaseList), crlfText(expected));
    EXPECT_EQ(game.control(controls::OptIndexBox).text(), std::to_string(expected.size() - 1));
    EXPECT_EQ(numberAt(game.exe(), game.shipTypeAt(44) + 22, 1), expected.size() - 1);
}

TEST(WriteOptList, ThePlaceholdersLeaveTheListAlone)
{
    // "None Assigned": no list; "None assigned": an index past the list's end.
    for (const std::int32_t slot : {10, 44}) {
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(slot);
        const std::string shipType = game.exe().substr(static_cast<std::size_t>(game.shipTypeAt(slot) - 3), 28);
        const auto before = snapshot(game.game.gameDir);
        game.write();
        EXPECT_EQ(changedBesides(before, game), std::set<std::string>{}) << slot;
        EXPECT_EQ(game.exe().substr(static_cast<std::size_t>(game.shipTypeAt(slot) - 3), 28), shipType) << slot;
    }
    // XWA slots 10 and 20 have selectors 2 and 256, which name no list: both bytes stay.
    for (const std::int32_t slot : {10, 20}) {
        WriteGame game{GameBuilder(Family::Xwa)};
        game.startAt(slot);
        ASSERT_EQ(game.control(controls::OptListFileBox).text(), "unknown");
        const std::string before = game.exe();
        game.write();
        EXPECT_EQ(numberAt(game.exe(), game.shipTypeAt(slot) + 17, 2), numberAt(before, game.shipTypeAt(slot) + 17, 2));
    }
    // Either spelling typed over a real entry is not written into the list either.
    for (const char* placeholder : {"None Assigned", "None assigned"}) {
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(2);
        const std::string list = game.file(kXvtBaseList);
        ASSERT_TRUE(game.form().userEdit(controls::DBOPTFile, placeholder));
        game.write();
        EXPECT_EQ(game.file(kXvtBaseList), list) << placeholder;
    }
}
