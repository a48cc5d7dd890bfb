#pragma once

#include "GameBuilder.h"

#include <filesystem>
#include <vector>

namespace plorik::testing {

// A game the size of a real one when `scale` is 2, or half of it in every dimension when `scale` is
// 1. XWA: 230 craft entries of 980 bytes in a 5 MB executable, strings.txt of 10 000 lines,
// specdesc.txt of 1 200 lines, shiplist.txt of 300 lines. XvT: 80 craft entries of 240 bytes in a
// 5 MB executable, strings.txt of 10 000 lines, specdesc.txt of 1 200 lines, fronttxt.txt of 2 000
// lines.
GameBuilder fullSizeBuilder(Family family, int scale);

// Grows the built game's text files to their full-size lengths with comment lines after their own;
// returns them (the files a slot display reads and a slot write rewrites).
std::vector<std::filesystem::path> growTextFiles(const BuiltGame& game, int scale);

} // namespace plorik::testing
