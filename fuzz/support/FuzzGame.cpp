#include "FuzzGame.h"

#include <system_error>

namespace plorik::fuzzing {

FuzzGame::FuzzGame(testing::Family family) : m_game(testing::GameBuilder(family).build(m_dir.path()))
{
}

void FuzzGame::put(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size)
{
    if (!m_originals.contains(path)) {
        std::error_code missing;
        m_originals[path] = std::filesystem::is_regular_file(path, missing) ? testing::readFile(path) : std::string();
    }
    testing::writeFile(path, std::string(reinterpret_cast<const char*>(data), size));
}

void FuzzGame::restore()
{
    for (const auto& [path, content] : m_originals) {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
        if (!content.empty())
            testing::writeFile(path, content);
    }
}

} // namespace plorik::fuzzing
