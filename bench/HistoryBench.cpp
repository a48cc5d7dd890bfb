// What the history of writes costs: "Write" on a full-size game with its record kept, against the
// same write on a copy of the game whose plorik.ini keeps no history (ratio: with / without).
#include "AgainstFloor.h"
#include "AnsweringPrompter.h"
#include "FullSizeGame.h"

#include "controls/MainWindowControls.h"
#include "history/HistoryRecord.h"
#include "session/Session.h"

namespace {

using namespace plorik;
using plorik::bench::FullSizeGame;
using testing::Family;

struct WritingGame {
    WritingGame(Family family, int scale, bool keepsHistory) : full(family, scale)
    {
        if (!keepsHistory) {
            const auto ini = full.game.programDir / "plorik.ini";
            testing::writeFile(ini, testing::readFile(ini) + "0\r\n");
        }
        session = std::make_unique<Session>(full.game.programDir, prompter);
        session->start();
        session->mainForm().userEdit(controls::CraftNoBox, "7");
        for (const MainKey box : {controls::CraftNameBox, controls::CraftTypeBox, controls::Shiplistnamebox}) {
            if (session->mainForm()[box].enabled())
                boxes.emplace_back(box, session->mainForm()[box].text());
        }
    }
    // Edits that reach every text file, so that each write rewrites them all.
    void write(int round)
    {
        const char* suffix = round % 2 == 0 ? " B" : " C";
        for (const auto& [box, text] : boxes)
            session->mainForm().userEdit(box, text + suffix);
        session->mainForm().userPress(controls::WriteButton);
    }

    FullSizeGame full;
    testing::AnsweringPrompter prompter;
    std::unique_ptr<Session> session;
    std::vector<std::pair<MainKey, std::string>> boxes;
};

void writeWithHistory(benchmark::State& state, Family family)
{
    const int scale = static_cast<int>(state.range(0));
    WritingGame recorded(family, scale, true);
    WritingGame unrecorded(family, scale, false);
    int round = 0;
    bench::againstFloor(
        state, [&] { recorded.write(round); }, [&] { unrecorded.write(round++); });
    if (recorded.session->recordedWrites().empty() || !unrecorded.session->recordedWrites().empty())
        state.SkipWithError("the history was not kept as meant");
}

} // namespace

BENCHMARK_CAPTURE(writeWithHistory, xvt, Family::Xvt)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeWithHistory, xwa, Family::Xwa)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
