#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// What POSIX systems and Windows do differently, behind one set of functions: PlatformPosix.cpp and
// PlatformWindows.cpp each define all of them, and the build takes the one for its system. Nothing
// else in the program asks which system it runs on.
//
// A failing call leaves an errno value (ENOENT, EISDIR, EEXIST, EACCES, ENOSPC, ...) on both
// systems, so that callers word every failure the same way (systemReason()).
namespace plorik::platform {

// An open file: a descriptor on POSIX, a HANDLE on Windows.
using NativeFile = std::intptr_t;
inline constexpr NativeFile kNoFile = -1;

// True on Windows: for the few tests of features Windows does not have (FIFOs, file modes that
// forbid the owner, symbolic links that a user may make).
bool isWindows();

// Opens an existing file for reading, or reading and writing. Never waits: a FIFO in its place is
// opened without blocking (and refused by the caller for not being a regular file).
NativeFile openExisting(const std::filesystem::path& path, bool write);
// Creates a new file for writing, failing (EEXIST) when anything of that name exists, a link
// included: the new file is never made through a link. Its owner may read and write it, others read.
NativeFile createNew(const std::filesystem::path& path);

struct FileStatus {
    bool regular = false;
    std::int64_t size = 0;
};
bool statusOf(NativeFile file, FileStatus& status);
// Up to `count` bytes at `offset`: how many were read or written (0 at the end), -1 on failure.
long long readAt(NativeFile file, std::uint8_t* into, std::size_t count, std::int64_t offset);
long long writeAt(NativeFile file, const std::uint8_t* from, std::size_t count, std::int64_t offset);
// Puts the file's content on the disk.
bool flushData(NativeFile file);
// Cuts the file to `size` bytes.
bool truncateFile(NativeFile file, std::int64_t size);
bool closeFile(NativeFile file);

// An exclusive lock on a folder, without creating anything in it. kNoFile with `busy` set when
// another process holds it; kNoFile with `busy` clear when the folder cannot be locked at all.
NativeFile lockFolder(const std::filesystem::path& folder, bool& busy);
void unlockFolder(NativeFile lock);

// Renames `scratch` over `target`, replacing it in one step; the rename is written through to the
// disk where the system offers that.
std::error_code replaceByRename(const std::filesystem::path& scratch, const std::filesystem::path& target);
// Whether the current user may create and rename files in `folder` as far as the system's access
// checks tell beyond its permission bits (always true where those bits say everything).
bool folderAccessible(const std::filesystem::path& folder);

// The path with every link on the way followed, "." and ".." resolved; the part that does not
// exist is appended as it is.
std::filesystem::path realPath(const std::filesystem::path& path, std::error_code& error);

// Whether `path` is a link (a symbolic link; on Windows any reparse point: a junction, a mount
// point); false when it does not exist.
bool isLink(const std::filesystem::path& path);

// An existing file's path with its last name as the folder stores it: Windows finds a name in any
// case, and the name shown and recorded is the stored one. Unchanged where names match exactly.
std::filesystem::path storedName(const std::filesystem::path& path);

// A path from UTF-8 text and UTF-8 text from a path, whatever the system's own encoding of names.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8Of(const std::filesystem::path& path);

// The running program's process number and its own executable (empty when unknown).
int processId();
std::filesystem::path executablePath();
// The program's arguments (without its name) as UTF-8. On Windows it also sets the console to UTF-8
// and the standard output and errors to binary, so that lines end in LF as on POSIX.
std::vector<std::string> utf8Arguments(int argc, char** argv);
bool standardInputIsTerminal();

// The folder in which programs keep their per-user data: on POSIX $XDG_DATA_HOME when absolute,
// else $HOME/.local/share (both as given, for tests); on Windows the roaming application data
// folder (%APPDATA%). Empty when there is none.
std::filesystem::path userDataHome(const std::string& xdgDataHome, const std::string& home);

} // namespace plorik::platform
