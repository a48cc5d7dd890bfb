// The backup image and the ZT package on a 5 MB executable with a 230 x 980-byte craft table, against
// their floors: the package against reading the compared blocks of both sides once, the backup against
// copying the same files with the system's file copy.
#include "AgainstFloor.h"
#include "FullSizeGame.h"

#include "backup/ImageCommands.h"
#include "exchange/ZtCommands.h"
#include "io/GamePath.h"
#include "session/ScriptedPrompter.h"
#include "session/Session.h"
#include "windows/WeaponEditorControls.h"

#include <fstream>
#include <iterator>

namespace {

using namespace plorik;
using namespace plorik::testing;

std::string readWhole(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string readPart(std::ifstream& in, std::int64_t offset, std::size_t length)
{
    std::string bytes(length, '\0');
    in.seekg(offset);
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    return bytes;
}

// A started session on a game of real size, with pilot files, and what the image commands need.
struct LargeGame {
    bench::FullSizeGame full{2};
    BuiltGame& game = full.game;
    TempDir& dir = full.dir;
    ScriptedPrompter prompter;
    Session session{game.programDir, prompter};
    std::unique_ptr<BackupImage> image;

    LargeGame()
    {
        for (const std::string& pilot : GameBuilder::pilotFileNames())
            writeFile(game.gameDir / pilot, std::string(70000, static_cast<char>(pilot.size())));
        session.start();
        image = std::make_unique<BackupImage>(session.programDir(), session.versionName(), *session.profile());
    }
    std::size_t weaponNames() { return session.weaponForm()[ui::weapons::WeaponList].items().size(); }
    ImageContext context()
    {
        return {*session.profile(), *image, session.gameDir(), session.executablePath(), prompter, [](const auto&) {}};
    }
};

void backup(benchmark::State& state)
{
    LargeGame large;
    const std::size_t weaponNames = large.weaponNames();
    const std::filesystem::path copies = large.dir.path() / "copies";
    std::filesystem::create_directories(copies);
    // The files the backup copies whole, and the blocks it takes from the executable.
    std::vector<std::filesystem::path> files;
    for (const ImageTextFile& text : large.image->textFiles())
        files.push_back(resolveGamePath(large.session.gameDir(), text.gameName));
    for (const std::string& pilot : GameBuilder::pilotFileNames())
        files.push_back(large.game.gameDir / pilot);
    std::vector<std::pair<std::int64_t, std::int64_t>> blocks;
    for (const ImageBlock& block : large.image->blocks())
        blocks.emplace_back(block.offset, large.image->takenLength(block.kind, weaponNames));
    bench::againstFloor(
        state, [&] { createBackupImage(large.context(), weaponNames); },
        [&] {
            for (const std::filesystem::path& file : files)
                std::filesystem::copy_file(file, copies / file.filename(),
                                           std::filesystem::copy_options::overwrite_existing);
            std::ifstream exe(large.game.executable(), std::ios::binary);
            for (const auto& [offset, length] : blocks) {
                std::ofstream out(copies / ("block" + std::to_string(offset)), std::ios::binary);
                out << readPart(exe, offset, static_cast<std::size_t>(length));
            }
        });
}

void package(benchmark::State& state)
{
    LargeGame large;
    createBackupImage(large.context(), large.weaponNames());
    // Every 7th byte of the craft table changed: about 32000 records.
    {
        const std::int64_t table = large.image->block(ImageBlockKind::CraftTable)->offset;
        std::fstream exe(large.game.executable(), std::ios::binary | std::ios::in | std::ios::out);
        for (std::int64_t at = table; at < table + 230 * 980; at += 7) {
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
                            "A comment."};
    bench::againstFloor(
        state,
        [&] {
            std::filesystem::remove(target); // an older file would bring a question
            large.prompter.addAnswer("file:" + target.string());
            makeZtPackages(context, *large.image);
        },
        [&] {
            std::ifstream exe(large.game.executable(), std::ios::binary);
            for (const ImageBlock& block : large.image->blocks()) {
                if (block.kind == ImageBlockKind::SpeciesTable)
                    continue;
                const std::string kept = readWhole(large.image->file(block.fileName()));
                benchmark::DoNotOptimize(readPart(exe, block.offset, kept.size()));
            }
        });
    const std::string made = readWhole(target);
    state.counters["records"] =
        made.size() > 16 ? (static_cast<unsigned char>(made[14]) | static_cast<unsigned char>(made[15]) << 8) : 0;
    state.counters["package_bytes"] = static_cast<double>(made.size());
}

} // namespace

BENCHMARK(backup)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(package)->UseManualTime()->Unit(benchmark::kMillisecond);
