#include "gamefiles/TextRewrite.h"

#include "io/AtomicFile.h"

namespace plorik {

TextRewrite::TextRewrite(std::filesystem::path file, std::filesystem::path scratch)
    : m_file(std::move(file)), m_scratch(std::move(scratch)), m_reader(m_file)
{
}

std::string TextRewrite::copyLine()
{
    std::string line = m_reader.readLine();
    m_lines.push_back(line);
    return line;
}

std::string TextRewrite::dropLine()
{
    return m_reader.readLine();
}

void TextRewrite::put(const std::string& line)
{
    m_lines.push_back(line);
}

void TextRewrite::copyRest()
{
    while (!m_reader.atEnd())
        copyLine();
}

void TextRewrite::commit()
{
    replaceFileContent(m_file, joinCrLf(m_lines), m_scratch);
}

} // namespace plorik
