#pragma once

#include "text/LineReader.h"

#include <filesystem>
#include <string>

namespace plorik {

// The new content of a game text file, made from its old lines: each is copied, replaced or
// dropped in turn. Lines copied unchanged keep every byte, their own line end included; lines put
// end with CR LF and never hold a line break. Nothing is written here: content() is what takes
// the file's place (through temp.tmp, see replaceFileContent).
class TextRewrite {
public:
    // Reads the file; throws FileError when it cannot.
    explicit TextRewrite(const std::filesystem::path& file);

    bool atEnd() const { return m_reader.atEnd(); }
    // Copies the next old line whole and returns it as read (cut at 255 characters). Past the end
    // of the file an empty line is put instead.
    std::string copyLine();
    // Reads the next old line without copying it.
    std::string dropLine();
    // Copies the line dropLine() read last after all, whole.
    void keepDropped();
    // Puts a new line; line breaks inside it are folded into blanks.
    void put(const std::string& line);
    void copyRest();

    const std::string& content() const { return m_content; }

private:
    LineReader m_reader;
    std::string m_content;
    bool m_openLine = false; // the content ends with a copied last line that had no line end
};

} // namespace plorik
