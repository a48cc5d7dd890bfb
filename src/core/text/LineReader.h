#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// Reads a text file line by line as the game and this program always have: a line ends at CR LF
// (or a lone LF or CR), is kept up to 255 characters and the rest of a longer line is skipped.
// The whole line, with its own line end, stays available for copying it unchanged.
class LineReader {
public:
    static constexpr std::size_t kMaxLine = 255;

    // Opens and reads the file (a regular file only); throws FileError when it cannot.
    explicit LineReader(const std::filesystem::path& path);
    // Reads from text already in memory (for tests and for files read another way).
    static LineReader fromText(std::string text);

    // True when no line is left.
    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next line, cut at 255 characters (empty at the end of the file).
    std::string readLine();
    // Reads one character, whatever it is (a CR or an LF too); '\0' at the end of the file.
    char readChar() { return atEnd() ? '\0' : m_text[m_pos++]; }
    // The bytes of the line readLine() returned last: all of it, with its line end if it had one.
    std::string_view lastRawLine() const;
    // Everything not read yet, as it stands in the file.
    std::string_view rest() const;
    // Reads lines until one begins with `text`; true when one was found and lines follow it.
    // The found line stays in lastLine().
    bool findLine(std::string_view text);
    const std::string& lastLine() const { return m_lastLine; }
    // Starts again from the first line.
    void rewind() { m_pos = 0; }

private:
    LineReader() = default;
    std::string m_text;
    std::size_t m_pos = 0;
    std::size_t m_lastStart = 0;
    std::string m_lastLine;
};

// Reads every line of a file (cut at 255 characters).
std::vector<std::string> readAllLines(const std::filesystem::path& path);

} // namespace plorik
