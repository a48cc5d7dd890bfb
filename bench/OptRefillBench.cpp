// Stepping through every slot when every craft's OPT model is a 5 MB file, against the same stepping
// with the model files absent: the Opt page's refill at each display must read only the header and
// the mesh pointers. The "ratio" counter is the time with models over the time without.
// Then selecting every mesh of a 5 MB model (and of one of half its size and mesh count) in turn,
// against reading the model file once.
#include "AgainstFloor.h"
#include "DemoOptFiles.h"
#include "FullSizeGame.h"
#include "GameBuilder.h"
#include "LargeModel.h"

#include "controls/MainWindowControls.h"
#include "session/ScriptedPrompter.h"
#include "session/Session.h"

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
            session->mainForm().userPress(controls::NextSlotButton);
    }
};

void stepWithLargeModels(benchmark::State& state, Family family)
{
    SteppedGame withModels(family, true);
    SteppedGame without(family, false);
    if (!withModels.session->mainForm()[controls::OptInfoGroup].enabled())
        state.SkipWithError("slot 1's model was not found");
    state.counters["slots_with_models"] = withModels.models;
    bench::againstFloor(
        state, [&] { withModels.stepThroughEverySlot(); }, [&] { without.stepThroughEverySlot(); });
}

void selectEveryMesh(benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    TempDir dir;
    GameBuilder builder(Family::Xwa);
    const BuiltGame game = builder.build(dir.path());
    const auto model = modelPath(builder, game.gameDir, 1);
    std::filesystem::create_directories(model->parent_path());
    writeFile(*model, bench::largeModel(scale).bytes());
    ScriptedPrompter prompter;
    Session session(game.programDir, prompter);
    session.start();
    MainForm& form = session.mainForm();
    const std::size_t meshes = form[controls::MeshList].items().size();
    if (meshes != static_cast<std::size_t>(20 * scale))
        state.SkipWithError("the model's meshes are not listed");
    state.counters["meshes"] = static_cast<double>(meshes);
    state.counters["model_mb"] = static_cast<double>(std::filesystem::file_size(*model)) / (1024 * 1024);
    bench::againstFloor(
        state,
        [&] {
            for (std::size_t mesh = 0; mesh < meshes; ++mesh)
                form.userPick(controls::MeshList, static_cast<int>(mesh));
        },
        [&] { bench::readFiles({*model}); });
}

} // namespace

BENCHMARK_CAPTURE(stepWithLargeModels, xvt, Family::Xvt)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(stepWithLargeModels, xwa, Family::Xwa)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(selectEveryMesh)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
