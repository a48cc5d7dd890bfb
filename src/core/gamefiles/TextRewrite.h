#pragma once

#include "text/LineReader.h"

#include <filesystem>
#include <string>
#include <vector>

namespace plorik {

// Changes a game text file: the old lines are copied, replaced or dropped one after another into
// the new content, which takes the file's place through temp.tmp in the game folder only once it
// is complete. Until commit() the file is untouched; a failure leaves it exactly as it was.
class TextRewrite {
public:
    // Reads the file; throws FileError when it cannot.
    TextRewrite(std::filesystem::path file, std::filesystem::path scratch);

    bool atEnd() const { return m_reader.atEnd(); }
    // Copies the next old line (cut at 255 characters, as every line read) and returns it.
    std::string copyLine();
    // Reads the next old line without copying it.
    std::string dropLine();
    void put(const std::string& line);
    void copyRest();
    std::size_t linesWritten() const { return m_lines.size(); }

    // Writes the new content to temp.tmp and renames it over the file.
    void commit();

private:
    std::filesystem::path m_file;
    std::filesystem::path m_scratch;
    LineReader m_reader;
    std::vector<std::string> m_lines;
};

} // namespace plorik
