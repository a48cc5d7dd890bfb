#pragma once

#include "AnsweringPrompter.h"
#include "GameBuilder.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace plorik::fuzzing {

using testing::AnsweringPrompter;

// A demo game built once per fuzzing process in a temporary folder. An input takes the place of
// one of its files (or of a file of its own) with put(); restore() then puts the whole folder back
// as it was built, so that what one input changed never reaches the next.
class FuzzGame {
public:
    explicit FuzzGame(testing::Family family);

    const testing::BuiltGame& game() const { return m_game; }
    const std::filesystem::path& root() const { return m_dir.path(); }
    // Writes `data` as the file at `path` (absolute, inside root()), whatever stood there.
    void put(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size);
    void restore();

private:
    testing::TempDir m_dir;
    testing::BuiltGame m_game;
    std::map<std::filesystem::path, std::string> m_built; // every file of the folder as built
};

} // namespace plorik::fuzzing
