#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace plorik {

// One thing a command is about to write into the game folder: bytes patched in place at an offset,
// or a file's whole new content (replaced through a scratch file, or removed when `removes`).
struct PlannedChange {
    enum class Kind { Region, File };
    Kind kind = Kind::Region;
    std::filesystem::path file;
    std::int64_t offset = 0;         // a region's first byte
    std::vector<std::uint8_t> bytes; // a region's new bytes
    std::string content;             // a file's new content
    bool removes = false;            // the file is removed (an undo of its creation)
    std::string what;                // names a region in messages ("the craft entry of slot 5")
};

// Everything one command writes, in the order it writes it.
struct PlannedWrite {
    std::vector<PlannedChange> changes;

    void region(std::filesystem::path file, std::int64_t offset, std::vector<std::uint8_t> bytes, std::string what)
    {
        changes.push_back(
            {PlannedChange::Kind::Region, std::move(file), offset, std::move(bytes), {}, false, std::move(what)});
    }
    void replace(std::filesystem::path file, std::string content)
    {
        changes.push_back({PlannedChange::Kind::File, std::move(file), 0, {}, std::move(content), false, {}});
    }
};

// Told what a command will write before its first byte; throws (and the command writes nothing) when
// it cannot keep what the command replaces. An empty hook keeps nothing.
using BeforeWrite = std::function<void(const PlannedWrite&)>;

// Calls the hook when there is one.
inline void announce(const BeforeWrite& hook, const PlannedWrite& planned)
{
    if (hook)
        hook(planned);
}

} // namespace plorik
