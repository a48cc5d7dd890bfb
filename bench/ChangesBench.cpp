// The change report on a full-size XWA game (a 5 MB executable with a 230 x 980-byte craft table)
// and on one of half its size, every slot changed and one line of each kept text file, against its
// floor: reading the image's files and the executable's compared blocks once. The report must stay
// under a second on the full-size game (under_1s is 1 when it does).
#include "AgainstFloor.h"
#include "AnsweringPrompter.h"
#include "FullSizeGame.h"

#include "backup/ImageCommands.h"
#include "controls/WeaponEditorControls.h"
#include "io/GamePath.h"
#include "session/Session.h"

#include <fstream>

namespace {

using namespace plorik;
using namespace plorik::testing;

void changeReport(benchmark::State& state)
{
    bench::FullSizeGame full(Family::Xwa, static_cast<int>(state.range(0)));
    AnsweringPrompter prompter;
    Session session(full.game.programDir, prompter);
    session.start();
    const BackupImage image(session.programDir(), session.versionName(), *session.profile(),
                            session.weaponForm()[controls::weapons::WeaponList].items().size());
    createBackupImage(
        {*session.profile(), image, session.gameDir(), session.executablePath(), prompter, [](const auto&) {}});
    // One byte of the statistics of every slot (the shield power's low byte), and the first line of
    // each kept text file.
    const auto table = image.block(ImageBlockKind::CraftTable)->offset;
    const std::int64_t entry = session.profile()->entryLength();
    const std::int64_t shields = session.profile()->held(Key::ShieldPower);
    {
        std::fstream exe(session.executablePath(), std::ios::binary | std::ios::in | std::ios::out);
        for (std::int64_t slot = 0; slot < full.game.slots; ++slot) {
            exe.seekp(table + slot * entry + shields);
            exe.put('\x7F');
        }
    }
    std::vector<std::filesystem::path> files;
    for (const ImageTextFile& text : image.textFiles()) {
        const std::filesystem::path path = resolveGamePath(session.gameDir(), text.gameName);
        std::string content = readFile(path);
        if (!content.empty())
            content[0] = content[0] == 'Z' ? 'Y' : 'Z';
        writeFile(path, content);
        files.push_back(path);
        files.push_back(image.file(text.imageName));
    }
    std::size_t fields = 0;
    const double seconds = bench::againstFloor(
        state,
        [&] {
            const ChangeReport report = session.changeReport(std::nullopt, 1, full.game.slots);
            fields = 0;
            for (const SlotChanges& slot : report.craftSlots)
                fields += slot.fields.size();
            benchmark::DoNotOptimize(report);
        },
        [&] {
            bench::readFiles(files);
            std::ifstream exe(session.executablePath(), std::ios::binary);
            for (const ImageBlock& block : image.blocks()) {
                const std::string kept = readFile(image.file(block.fileName()));
                std::string now(kept.size(), '\0');
                exe.seekg(block.offset);
                exe.read(now.data(), static_cast<std::streamsize>(now.size()));
                benchmark::DoNotOptimize(now);
            }
        });
    state.counters["fields"] = static_cast<double>(fields);
    state.counters["under_1s"] = seconds < 1.0 ? 1 : 0;
}

} // namespace

BENCHMARK(changeReport)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
