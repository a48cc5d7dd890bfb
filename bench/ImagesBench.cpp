// The backup image, both restores and the ZT package on a full-size XWA game (a 5 MB executable with
// a 230 x 980-byte craft table) and on one of half its size, against their floors: the backup and
// the full restore against copying the same files with the system's file copy, the single-slot
// restore against reading the same parts once, the package against reading the compared blocks of
// both sides once.
#include "AgainstFloor.h"
#include "AnsweringPrompter.h"
#include "FullSizeGame.h"

#include "backup/ImageCommands.h"
#include "controls/WeaponEditorControls.h"
#include "exchange/ZtCommands.h"
#include "io/GamePath.h"
#include "session/Session.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

namespace {

using namespace plorik;
using namespace plorik::testing;

std::string readPart(std::ifstream& in, std::int64_t offset, std::size_t length)
{
    std::string bytes(length, '\0');
    in.seekg(offset);
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    return bytes;
}

void copyInto(const std::vector<std::filesystem::path>& files, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    for (const std::filesystem::path& file : files)
        std::filesystem::copy_file(file, folder / file.filename(), std::filesystem::copy_options::overwrite_existing);
}

// A started session on a full-size game (scale 2) or a half-size one (scale 1), with pilot files,
// and what the image commands need.
struct LargeGame {
    explicit LargeGame(int scale) : full(Family::Xwa, scale), session(full.game.programDir, prompter)
    {
        for (const std::string& pilot : GameBuilder::pilotFileNames())
            writeFile(game.gameDir / pilot,
                      std::string(35000 * static_cast<std::size_t>(scale), static_cast<char>(pilot.size())));
        session.start();
        image = std::make_unique<BackupImage>(session.programDir(), session.versionName(), *session.profile(),
                                              weaponNames());
    }
    std::size_t weaponNames() { return session.weaponForm()[controls::weapons::WeaponList].items().size(); }
    ImageContext context()
    {
        return {*session.profile(), *image, session.gameDir(), session.executablePath(), prompter, [](const auto&) {}};
    }
    // The game files that the image keeps whole.
    std::vector<std::filesystem::path> copiedGameFiles() const
    {
        std::vector<std::filesystem::path> files;
        for (const ImageTextFile& text : image->textFiles())
            files.push_back(resolveGamePath(session.gameDir(), text.gameName));
        for (const std::string& pilot : GameBuilder::pilotFileNames())
            files.push_back(game.gameDir / pilot);
        return files;
    }
    // Every file of the image folder.
    std::vector<std::filesystem::path> imageFiles() const
    {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(image->folder()))
            files.push_back(entry.path());
        return files;
    }

    bench::FullSizeGame full;
    BuiltGame& game = full.game;
    TempDir& dir = full.dir;
    AnsweringPrompter prompter;
    Session session;
    std::unique_ptr<BackupImage> image;
};

int scaleOf(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

// The backup over an existing image (every file of the image is replaced, each once it is on the
// disk) or into a new one (`fresh`: the image folder is removed before each run, and the floor's
// copies too), against copying the same files with the system's copy.
void backup(benchmark::State& state, bool fresh)
{
    LargeGame large(scaleOf(state));
    const std::filesystem::path copies = large.dir.path() / "copies";
    const std::vector<std::filesystem::path> files = large.copiedGameFiles();
    std::vector<std::pair<std::int64_t, std::int64_t>> blocks;
    for (const ImageBlock& block : large.image->blocks())
        blocks.emplace_back(block.offset, large.image->takenLength(block.kind));
    createBackupImage(large.context());
    const auto copy = [&] {
        copyInto(files, copies);
        std::ifstream exe(large.game.executable(), std::ios::binary);
        for (const auto& [offset, length] : blocks) {
            std::ofstream out(copies / ("block" + std::to_string(offset)), std::ios::binary);
            out << readPart(exe, offset, static_cast<std::size_t>(length));
        }
    };
    const auto prepare = [&] {
        if (fresh) {
            std::filesystem::remove_all(large.image->folder());
            std::filesystem::remove_all(copies);
        }
    };
    const double seconds = bench::againstFloor(
        state, [&] { createBackupImage(large.context()); }, copy, prepare);
    // A second floor: the same copy with each copied file then put on the disk, as every copy that
    // must outlive a crash is.
    constexpr int kRuns = 20;
    double durable = 0;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        copy();
        for (const auto& entry : std::filesystem::directory_iterator(copies)) {
            const int descriptor = ::open(entry.path().c_str(), O_RDONLY);
            ::fdatasync(descriptor);
            ::close(descriptor);
        }
        durable += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["synced_floor_ms"] = durable / kRuns * 1000;
    state.counters["synced_ratio"] = durable > 0 ? seconds / (durable / kRuns) : 0;
}

// "Recreate from Image": every block back into the executable and every kept file back into the game
// folder, against copying the image's files with the system's copy.
void restoreWhole(benchmark::State& state)
{
    LargeGame large(scaleOf(state));
    createBackupImage(large.context());
    const std::filesystem::path copies = large.dir.path() / "copies";
    const std::vector<std::filesystem::path> files = large.imageFiles();
    bench::againstFloor(
        state, [&] { restoreFromImage(large.context()); }, [&] { copyInto(files, copies); });
}

// "Recreate Single Slot": one slot's craft entry, ship type entry and species entries, against
// reading those parts of the image and the executable's species table once.
void restoreOneSlot(benchmark::State& state)
{
    LargeGame large(scaleOf(state));
    createBackupImage(large.context());
    const BackupImage& image = *large.image;
    const std::int32_t slot = large.game.slots / 2;
    const auto entryLength = static_cast<std::size_t>(large.session.profile()->entryLength());
    const auto craft = image.block(ImageBlockKind::CraftTable);
    const auto shipTypes = image.block(ImageBlockKind::ShipTypeBlock);
    const auto species = image.block(ImageBlockKind::SpeciesTable);
    const auto speciesLength = static_cast<std::size_t>(image.takenLength(ImageBlockKind::SpeciesTable));
    bench::againstFloor(
        state, [&] { restoreSingleSlot(large.context(), slot); },
        [&] {
            std::ifstream craftFile(image.file(craft->fileName()), std::ios::binary);
            benchmark::DoNotOptimize(
                readPart(craftFile, (slot - 1) * static_cast<std::int64_t>(entryLength), entryLength));
            std::ifstream shipTypeFile(image.file(shipTypes->fileName()), std::ios::binary);
            benchmark::DoNotOptimize(readPart(shipTypeFile, (slot - 1) * 24, 24));
            std::ifstream speciesFile(image.file(species->fileName()), std::ios::binary);
            benchmark::DoNotOptimize(readPart(speciesFile, 0, speciesLength));
            std::ifstream exe(large.game.executable(), std::ios::binary);
            benchmark::DoNotOptimize(readPart(exe, species->offset, speciesLength));
        });
}

void package(benchmark::State& state)
{
    LargeGame large(scaleOf(state));
    createBackupImage(large.context());
    // Every 7th byte of the craft table changed: about 16 000 or 32 000 records.
    {
        const std::int64_t table = large.image->block(ImageBlockKind::CraftTable)->offset;
        std::fstream exe(large.game.executable(), std::ios::binary | std::ios::in | std::ios::out);
        for (std::int64_t at = table; at < table + large.game.slots * 980; at += 7) {
            exe.seekp(at);
            exe.put('\x7F');
        }
    }
    const std::filesystem::path target = large.dir.path() / "package.zt";
    const ZtContext context{*large.session.profile(),
                            large.session.versionName(),
                            large.session.executablePath(),
                            large.session.dataFilePath(),
                            large.prompter,
                            [](const auto&) {},
                            "A comment.",
                            large.session.protectedFiles()};
    large.prompter.setFile(target.string());
    bench::againstFloor(
        state,
        [&] {
            std::filesystem::remove(target); // an older file would bring a question
            makeZtPackages(context, *large.image);
        },
        [&] {
            std::ifstream exe(large.game.executable(), std::ios::binary);
            for (const ImageBlock& block : large.image->blocks()) {
                if (block.kind == ImageBlockKind::SpeciesTable)
                    continue;
                const std::string kept = readFile(large.image->file(block.fileName()));
                benchmark::DoNotOptimize(readPart(exe, block.offset, kept.size()));
            }
        });
    const std::string made = readFile(target);
    state.counters["records"] =
        made.size() > 16 ? (static_cast<unsigned char>(made[14]) | static_cast<unsigned char>(made[15]) << 8) : 0;
    state.counters["package_bytes"] = static_cast<double>(made.size());
}

// A backup of a game with one pilot file of 1 GB (as much as a game's whole folder is rarely): the
// copy goes a piece at a time, so the process's peak memory (peak_rss_mb; run this benchmark alone to
// read it as the backup's own) stays a few MB above what the session holds, whatever the file's size.
void backupLargePilot(benchmark::State& state)
{
    LargeGame large(1);
    const std::filesystem::path pilot = large.game.gameDir / "LARGE.PLT";
    {
        // Written for real, not left sparse: the copy reads every byte from the disk.
        std::ofstream out(pilot, std::ios::binary);
        const std::string piece(std::size_t{1} << 20, '\x5A');
        for (std::int64_t written = 0; written < state.range(0); written += static_cast<std::int64_t>(piece.size()))
            out << piece;
    }
    struct rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
    for (auto _ : state) {
        std::filesystem::remove_all(large.image->folder());
        createBackupImage(large.context());
    }
    struct rusage after {};
    ::getrusage(RUSAGE_SELF, &after);
    state.counters["pilot_mb"] = static_cast<double>(state.range(0) >> 20);
    state.counters["peak_rss_mb"] = static_cast<double>(after.ru_maxrss) / 1024;
    state.counters["peak_rss_before_mb"] = static_cast<double>(before.ru_maxrss) / 1024;
    std::filesystem::remove(pilot);
}

} // namespace

BENCHMARK(backupLargePilot)->Arg(std::int64_t{1} << 30)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(backup, overImage, false)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(backup, newImage, true)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(restoreWhole)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(restoreOneSlot)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(package)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
