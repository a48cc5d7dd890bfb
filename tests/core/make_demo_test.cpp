// plorik-make-demo, which the README offers to users: it makes its folder or replaces an earlier demo,
// and leaves everything else alone.
#include "CliRunner.h"
#include "TestSystem.h"
#include "WriteFixture.h"

#include <functional>

using namespace plorik::testing;

namespace {

CliOutput makeDemo(const std::vector<std::string>& arguments, const std::filesystem::path& folder = {})
{
    return runProgram(PLORIK_MAKE_DEMO_PATH, arguments, folder);
}

} // namespace

TEST(MakeDemo, MakesOrReplacesADemoAndRefusesAFolderThatHoldsAnythingElse)
{
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path& dir)> prepare; // DIR is dir / "demo"
        int exit;
    } cases[] = {
        {"missing", [](const auto&) {}, 0},
        {"empty", [](const auto& dir) { std::filesystem::create_directory(dir / "demo"); }, 0},
        {"an earlier demo",
         [](const auto& dir) {
             ASSERT_EQ(makeDemo({(dir / "demo").string(), "xwa"}).exit, 0);
         },
         0},
        {"a file of its own",
         [](const auto& dir) {
             std::filesystem::create_directory(dir / "demo");
             writeFile(dir / "demo" / "keep.txt", "mine");
         },
         1},
        {"an earlier demo and a file of its own",
         [](const auto& dir) {
             ASSERT_EQ(makeDemo({(dir / "demo").string()}).exit, 0);
             writeFile(dir / "demo" / "keep.txt", "mine");
         },
         1},
        {"a game and a program folder that are no demo",
         [](const auto& dir) {
             std::filesystem::create_directories(dir / "demo" / "game");
             std::filesystem::create_directories(dir / "demo" / "program");
             writeFile(dir / "demo" / "program" / "keep.txt", "mine");
         },
         1},
        {"a program folder that is a link",
         [](const auto& dir) {
             ASSERT_EQ(makeDemo({(dir / "elsewhere").string()}).exit, 0);
             std::filesystem::create_directory(dir / "demo");
             std::filesystem::create_directory_symlink(dir / "elsewhere" / "program", dir / "demo" / "program");
         },
         1},
        {"a file", [](const auto& dir) { writeFile(dir / "demo", "mine"); }, 1},
    };
    for (const auto& each : cases) {
        // Where no symbolic link can be made, the case of one is left out.
        if (std::string_view(each.name).find("link") != std::string_view::npos && !linksCanBeMade())
            continue;
        SCOPED_TRACE(each.name);
        TempDir dir;
        each.prepare(dir.path());
        const auto before = snapshot(dir.path());
        const CliOutput made = makeDemo({(dir.path() / "demo").string(), "xvt"});
        EXPECT_EQ(made.exit, each.exit) << made.err;
        if (each.exit == 0) {
            EXPECT_EQ(made.out, (dir.path() / "demo" / "program").string() + "\n");
            EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() / "demo" / "program" / "demo-xvt.shp"));
            EXPECT_FALSE(std::filesystem::exists(dir.path() / "demo" / "program" / "demo-xwa.shp"));
            EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() / "demo" / "game" / "Z_XVT__.EXE"));
            continue;
        }
        EXPECT_NE(made.err.find("demo is not"), std::string::npos) << made.err;
        EXPECT_EQ(changedFiles(before, snapshot(dir.path())), std::set<std::string>{});
        if (std::filesystem::exists(dir.path() / "demo" / "keep.txt")) {
            EXPECT_EQ(readFile(dir.path() / "demo" / "keep.txt"), "mine");
        }
    }

    // "." is the current folder, which is no exception; "--help" is help, not a folder.
    TempDir current;
    writeFile(current.path() / "keep.txt", "mine");
    const CliOutput here = makeDemo({"."}, current.path());
    EXPECT_EQ(here.exit, 1);
    EXPECT_EQ(here.err, "plorik-make-demo: . is not empty (nor an earlier demo: only its game and program folders); "
                        "nothing was changed\n");
    EXPECT_EQ(readFile(current.path() / "keep.txt"), "mine");
    const CliOutput help = makeDemo({"--help"}, current.path());
    EXPECT_EQ(help.exit, 0);
    EXPECT_EQ(help.out.rfind("usage: plorik-make-demo DIR [xvt|xwa]\n", 0), 0u) << help.out;
    EXPECT_EQ(makeDemo({"--dir"}, current.path()).exit, 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(current.path()), std::filesystem::directory_iterator()),
              1);
}
