// Export and import of the whole craft table on a full-size game of each family and on one of half
// its size, each against the session's own work it is made of: showing every slot once, and the
// same writes typed slot by slot in one process.
#include "AgainstFloor.h"
#include "AnsweringPrompter.h"
#include "FullSizeGame.h"

#include "controls/MainWindowControls.h"
#include "session/Session.h"
#include "table/Csv.h"
#include "table/TableExport.h"
#include "table/TableImport.h"

namespace {

using namespace plorik;
using plorik::bench::FullSizeGame;
using testing::Family;

struct RunningGame {
    RunningGame(Family family, int scale) : full(family, scale), session(full.game.programDir, prompter)
    {
        session.start();
        // Slots without ship list values cannot be written with the list ticked; the table is the
        // point here, not the list.
        session.mainForm().userCheck(controls::Shiplistwrite, false);
    }
    MainForm& form() { return session.mainForm(); }
    void showEverySlot()
    {
        for (std::int32_t slot = 1; slot <= full.game.slots; ++slot)
            form().userEdit(controls::CraftNoBox, std::to_string(slot));
    }

    FullSizeGame full;
    testing::AnsweringPrompter prompter;
    Session session;
};

void exportEverySlot(benchmark::State& state, Family family)
{
    RunningGame running(family, static_cast<int>(state.range(0)));
    TableExportRequest request;
    bench::againstFloor(
        state,
        [&] {
            if (exportTable(running.session, request).rows != static_cast<std::size_t>(running.full.game.slots))
                state.SkipWithError("the export stopped");
        },
        [&] { running.showEverySlot(); });
}

// Every row changes two fields (a number and a name in the text files); the floor types other
// values into the same fields and presses "Write" on every slot.
void importEverySlot(benchmark::State& state, Family family)
{
    RunningGame running(family, static_cast<int>(state.range(0)));
    std::vector<std::string> names;
    std::string table = csvRecord({"Slot", "SystemHitsBox", "CraftNameBox"});
    for (std::int32_t slot = 1; slot <= running.full.game.slots; ++slot) {
        running.form().userEdit(controls::CraftNoBox, std::to_string(slot));
        names.push_back(running.form()[controls::CraftNameBox].text());
        table += csvRecord({std::to_string(slot), "11", names.back() + " A"});
    }
    TableImportRequest request;
    request.watch.unanswered = [&] { return running.prompter.unanswered(); };
    bench::againstFloor(
        state,
        [&] {
            const ImportedTable imported = importTable(running.session, table, request);
            if (imported.stop || imported.written.size() != names.size())
                state.SkipWithError(imported.stop ? describeFault(*imported.stop).c_str() : "rows were skipped");
        },
        [&] {
            for (std::int32_t slot = 1; slot <= running.full.game.slots; ++slot) {
                running.form().userEdit(controls::CraftNoBox, std::to_string(slot));
                running.form().userEdit(controls::SystemHitsBox, "12");
                running.form().userEdit(controls::CraftNameBox, names[static_cast<std::size_t>(slot - 1)] + " B");
                running.form().userPress(controls::WriteButton);
            }
        });
}

} // namespace

BENCHMARK_CAPTURE(exportEverySlot, xvt, Family::Xvt)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportEverySlot, xwa, Family::Xwa)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(importEverySlot, xvt, Family::Xvt)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(importEverySlot, xwa, Family::Xwa)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
