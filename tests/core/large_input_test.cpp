// Files far larger than any game ships (100 000 lines, a line of 10 MB) are read, shown and
// rewritten in time proportional to their size, and what follows the slot's lines is copied whole.
#include "WriteFixture.h"

#include <chrono>

namespace plorik::testing {
namespace {

// 100 000 short lines and one line of 10 MB, each ending with CR LF.
std::string largeTail()
{
    std::string tail;
    for (int line = 0; line < 100000; ++line)
        tail += "/ filler line " + std::to_string(line) + "\r\n";
    tail += std::string(10 * 1024 * 1024, 'x') + "\r\n";
    return tail;
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

struct LargeCase {
    Family family;
    std::vector<std::string> files; // the game's files that get the tail
};

class LargeInput : public ::testing::TestWithParam<LargeCase> {};

TEST_P(LargeInput, AreShownAndRewrittenInProportionToTheirSize)
{
    const LargeCase& large = GetParam();
    WriteGame game(GameBuilder{large.family});
    const std::string tail = largeTail();
    for (const std::string& name : large.files)
        writeFile(game.path(name), game.file(name) + tail);
    // data.txt ends with the same tail: the lookup sections read past it.
    writeFile(game.game.programDir / "data.txt", readFile(game.game.programDir / "data.txt") + tail);

    const auto start = std::chrono::steady_clock::now();
    game.startAt(3);
    game.form().userPress(controls::NextSlotButton);
    game.write();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    EXPECT_EQ(game.control(controls::GameVersionBox).text(), game.game.versionName);
    for (const std::string& message : game.messages())
        EXPECT_EQ(message.find("error"), std::string::npos) << message;
    for (const std::string& name : large.files)
        EXPECT_TRUE(endsWith(game.file(name), tail)) << name << " lost or changed what follows the slot's lines";
    // About 12 MB read three times and each file rewritten once: seconds, even under the sanitizers;
    // a loop per character or per line over the whole file would take minutes.
    EXPECT_LT(seconds, 60.0);
}

INSTANTIATE_TEST_SUITE_P(Files, LargeInput,
                         ::testing::Values(LargeCase{Family::Xvt, {"strings.txt", "fronttxt.txt", "specdesc.txt"}},
                                           LargeCase{Family::Xwa, {"strings.txt", "specdesc.txt", "shiplist.txt"}}),
                         [](const auto& info) {
                             return info.param.family == Family::Xvt ? std::string("Xvt") : std::string("Xwa");
                         });

} // namespace
} // namespace plorik::testing
