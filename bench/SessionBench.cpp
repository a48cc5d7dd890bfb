// The main window's work on a full-size game of each family and on one of half its size, each
// against its floor: reading the same files once, or copying them with the system's copy.
#include "AgainstFloor.h"
#include "AnsweringPrompter.h"
#include "FullSizeGame.h"

#include "controls/MainWindowControls.h"
#include "controls/MainWindowMenus.h"
#include "session/Session.h"

namespace {

using namespace plorik;
using plorik::bench::FullSizeGame;
using testing::Family;

int scaleOf(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

// Everything a slot display reads: the executable and the game's text files.
std::vector<std::filesystem::path> displayedFiles(const FullSizeGame& full)
{
    std::vector<std::filesystem::path> files = full.textFiles;
    files.push_back(full.game.executable());
    return files;
}

struct RunningGame {
    RunningGame(Family family, int scale) : full(family, scale), session(full.game.programDir, prompter)
    {
        session.start();
    }
    MainForm& form() { return session.mainForm(); }

    FullSizeGame full;
    testing::AnsweringPrompter prompter;
    Session session;
};

void startUp(benchmark::State& state, Family family)
{
    FullSizeGame full(family, scaleOf(state));
    bench::againstFloor(
        state,
        [&] {
            testing::AnsweringPrompter prompter;
            Session session(full.game.programDir, prompter);
            session.start();
        },
        [&] {
            bench::readFiles(displayedFiles(full));
            bench::readFolder(full.game.programDir);
        });
}

void showSlot(benchmark::State& state, Family family)
{
    RunningGame running(family, scaleOf(state));
    std::int32_t slot = 1;
    bench::againstFloor(
        state,
        [&] {
            slot = slot % running.full.game.slots + 1;
            running.form().userEdit(controls::CraftNoBox, std::to_string(slot));
        },
        [&] { bench::readFiles(displayedFiles(running.full)); });
}

void stepThroughEverySlot(benchmark::State& state, Family family)
{
    RunningGame running(family, scaleOf(state));
    bench::againstFloor(
        state,
        [&] {
            for (std::int32_t slot = 0; slot < running.full.game.slots; ++slot)
                running.form().userPress(controls::NextSlotButton);
        },
        [&] { bench::readFiles(displayedFiles(running.full)); });
}

// "Write" with every text file rewritten, against reading and copying those files once.
void writeSlot(benchmark::State& state, Family family)
{
    RunningGame running(family, scaleOf(state));
    running.form().userEdit(controls::CraftNoBox, "7");
    // A control left as shown keeps its line, and a write makes what is shown the new reference: each
    // write gets edits that reach every text file.
    std::vector<std::pair<MainKey, std::string>> boxes;
    for (const MainKey box : {controls::CraftNameBox, controls::CraftTypeBox, controls::Shiplistnamebox}) {
        if (running.form()[box].enabled())
            boxes.emplace_back(box, running.form()[box].text());
    }
    int writes = 0;
    const auto copies = running.full.dir.path() / "copies";
    bench::againstFloor(
        state,
        [&] {
            const char* suffix = ++writes % 2 == 0 ? " B" : " C";
            for (const auto& [box, text] : boxes)
                running.form().userEdit(box, text + suffix);
            running.form().userPress(controls::WriteButton);
        },
        [&] {
            bench::readFiles(displayedFiles(running.full));
            std::filesystem::create_directories(copies);
            for (const auto& file : running.full.textFiles)
                std::filesystem::copy_file(file, copies / file.filename(),
                                           std::filesystem::copy_options::overwrite_existing);
        });
}

// "Save Ship as.." and "Open Ship..": one slot's bytes and names out and back in.
void saveAndLoadShip(benchmark::State& state, Family family)
{
    RunningGame running(family, scaleOf(state));
    const auto ship = running.full.dir.path() / "bench.shp";
    running.prompter.setFile(ship.string());
    running.form().userEdit(controls::CraftNoBox, "9");
    bench::againstFloor(
        state,
        [&] {
            std::filesystem::remove(ship);
            running.form().userPress(controls::SaveShipAsItem);
            running.form().userPress(controls::OpenShipItem);
        },
        [&] { bench::readFiles(displayedFiles(running.full)); });
}

} // namespace

// Each at both sizes, in both families.
#define PLORIK_BENCH_FAMILIES(operation)                                                                               \
    BENCHMARK_CAPTURE(operation, xvt, Family::Xvt)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);    \
    BENCHMARK_CAPTURE(operation, xwa, Family::Xwa)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond)

PLORIK_BENCH_FAMILIES(startUp);
PLORIK_BENCH_FAMILIES(showSlot);
PLORIK_BENCH_FAMILIES(stepThroughEverySlot);
PLORIK_BENCH_FAMILIES(writeSlot);
PLORIK_BENCH_FAMILIES(saveAndLoadShip);
