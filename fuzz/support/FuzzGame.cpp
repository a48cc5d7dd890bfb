#include "FuzzGame.h"

#include <system_error>
#include <vector>

namespace plorik::fuzzing {

FuzzGame::FuzzGame(testing::Family family) : m_game(testing::GameBuilder(family).build(m_dir.path()))
{
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_dir.path())) {
        if (entry.is_regular_file())
            m_built[entry.path()] = testing::readFile(entry.path());
    }
}

void FuzzGame::put(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size)
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    testing::writeFile(path, std::string(reinterpret_cast<const char*>(data), size));
}

void FuzzGame::restore()
{
    std::error_code ignored;
    std::vector<std::filesystem::path> extra;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_dir.path(), ignored)) {
        if (!entry.is_directory(ignored) && !m_built.contains(entry.path()))
            extra.push_back(entry.path());
    }
    for (const auto& path : extra)
        std::filesystem::remove_all(path, ignored);
    for (const auto& [path, content] : m_built) {
        std::filesystem::remove_all(path, ignored);
        testing::writeFile(path, content);
    }
}

} // namespace plorik::fuzzing
