#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace plorik {

// When the new content must be on the disk before it takes the file's place: when it replaces an
// existing file (a crash then leaves the old content or the new), or always (for copies that are
// kept to be restored from, which must never turn out empty after a crash).
enum class Sync { WhenReplacing, Always };

// Replaces a whole file: the content goes into `scratch` first and, once complete (and on the disk
// as `sync` says), takes the file's place by an atomic rename. The old file is never deleted or
// truncated before that; on any failure it is left as it was and FileError is thrown.
void replaceFileContent(const std::filesystem::path& target, const std::string& content,
                        const std::filesystem::path& scratch, Sync sync = Sync::WhenReplacing);

// Copies `source` whole over `target` the same way: through `scratch` and an atomic rename, so the
// target is the old file or the complete copy. Throws FileError naming the file that failed.
void copyFileContent(const std::filesystem::path& source, const std::filesystem::path& target,
                     const std::filesystem::path& scratch, Sync sync = Sync::WhenReplacing);

// Checks, without changing anything, that replaceFileContent could replace `target`: it is a
// regular file that may be written, in a folder that may be written, and `scratch` can be created (it is made and
// removed again). Throws FileError naming what stands in the way.
void checkReplaceable(const std::filesystem::path& target, const std::filesystem::path& scratch);

// Text lines joined with CR LF after each line.
std::string joinCrLf(const std::vector<std::string>& lines);

} // namespace plorik
