// The start-up and the slot display on the demo games, against reading their files once.
#include "AgainstFloor.h"
#include "GameBuilder.h"

#include "session/ScriptedPrompter.h"
#include "session/Session.h"
#include "windows/MainWindowControls.h"

#include <fstream>
#include <iterator>

namespace {

using namespace plorik;
using namespace plorik::testing;

// Reads every file of a folder once: the least a start-up must do.
void readFolder(const std::filesystem::path& folder)
{
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        benchmark::DoNotOptimize(std::string(std::istreambuf_iterator<char>(in), {}));
    }
}

void startUp(benchmark::State& state, Family family)
{
    TempDir dir;
    const BuiltGame game = GameBuilder(family).build(dir.path());
    bench::againstFloor(
        state,
        [&] {
            ScriptedPrompter prompter;
            Session session(game.programDir, prompter);
            session.start();
        },
        [&] {
            readFolder(game.gameDir);
            readFolder(game.programDir);
        });
}

void stepThroughEverySlot(benchmark::State& state, Family family)
{
    TempDir dir;
    const BuiltGame game = GameBuilder(family).build(dir.path());
    ScriptedPrompter prompter;
    Session session(game.programDir, prompter);
    session.start();
    bench::againstFloor(
        state,
        [&] {
            for (std::int32_t slot = 0; slot < game.slots; ++slot)
                session.mainForm().userPress(ui::NextSlotButton);
        },
        [&] { readFolder(game.gameDir); });
}

} // namespace

BENCHMARK_CAPTURE(startUp, xvt, Family::Xvt)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startUp, xwa, Family::Xwa)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(stepThroughEverySlot, xvt, Family::Xvt)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(stepThroughEverySlot, xwa, Family::Xwa)->UseManualTime()->Unit(benchmark::kMillisecond);
