// Stepping through every slot when every craft's OPT model is a 5 MB file, against the same stepping
// with the model files absent: the Opt page's refill at each display must read only the header and
// the mesh pointers. The "ratio" counter is the time with models over the time without.
#include "AgainstFloor.h"
#include "DemoOptFiles.h"
#include "GameBuilder.h"

#include "session/ScriptedPrompter.h"
#include "session/Session.h"
#include "windows/MainWindowControls.h"

#include <memory>

namespace {

using namespace plorik;
using namespace plorik::testing;

constexpr std::int32_t kVerticesIn5Mb = 5 * 1024 * 1024 / 12;

struct SteppedGame {
    TempDir dir;
    GameBuilder builder;
    BuiltGame game;
    ScriptedPrompter prompter;
    std::unique_ptr<Session> session;
    int models = 0; // the slots whose model file exists

    // With `withModels`, every slot that names a model gets one of 5 MB (hard links of one file, to
    // spare the disk); without, no model file exists.
    SteppedGame(Family family, bool withModels) : builder(family), game(builder.build(dir.path()))
    {
        const std::filesystem::path big = dir.path() / "big.opt";
        writeFile(big, demoModel(1).mesh({{OptVertexNode{kVerticesIn5Mb}}}).bytes());
        for (std::int32_t slot = 1; slot <= game.slots; ++slot) {
            const auto model = modelPath(builder, game.gameDir, slot);
            if (!model)
                continue;
            std::filesystem::remove(*model);
            if (withModels && !std::filesystem::exists(*model)) {
                std::filesystem::create_directories(model->parent_path());
                std::filesystem::create_hard_link(big, *model);
            }
            models += std::filesystem::exists(*model) ? 1 : 0;
        }
        session = std::make_unique<Session>(game.programDir, prompter);
        session->start();
    }

    void stepThroughEverySlot()
    {
        for (std::int32_t slot = 0; slot < game.slots; ++slot)
            session->mainForm().userPress(ui::NextSlotButton);
    }
};

void stepWithLargeModels(benchmark::State& state, Family family)
{
    SteppedGame withModels(family, true);
    SteppedGame without(family, false);
    if (!withModels.session->mainForm()[ui::OptInfoGroup].enabled())
        state.SkipWithError("slot 1's model was not found");
    state.counters["slots_with_models"] = withModels.models;
    bench::againstFloor(
        state, [&] { withModels.stepThroughEverySlot(); }, [&] { without.stepThroughEverySlot(); });
}

} // namespace

BENCHMARK_CAPTURE(stepWithLargeModels, xvt, Family::Xvt)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(stepWithLargeModels, xwa, Family::Xwa)->UseManualTime()->Unit(benchmark::kMillisecond);
