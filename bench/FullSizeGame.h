#pragma once

#include "GameBuilder.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace plorik::bench {

// A game the size of a real one when `scale` is 2, or half of it in every dimension when `scale` is
// 1: the two sizes show how a figure grows with its input. XWA: 230 craft entries of 980 bytes in a
// 5 MB executable, strings.txt of 10 000 lines, specdesc.txt of 1 200 lines, shiplist.txt of 300
// lines. XvT: 80 craft entries of 240 bytes in a 5 MB executable, strings.txt of 10 000 lines,
// specdesc.txt of 1 200 lines, fronttxt.txt of 2 000 lines.
struct FullSizeGame {
    FullSizeGame(testing::Family family, int scale);

    testing::TempDir dir;
    testing::GameBuilder builder;
    testing::BuiltGame game;
    // The game's files that a slot display reads and a slot write rewrites.
    std::vector<std::filesystem::path> textFiles;
};

// Reads the files once, as the least any operation on them must do.
void readFiles(const std::vector<std::filesystem::path>& files);
// Reads every file under a folder once.
void readFolder(const std::filesystem::path& folder);
// Copies a folder with the system's copy.
void copyFolder(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace plorik::bench
