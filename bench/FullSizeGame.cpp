#include "FullSizeGame.h"

#include "FullSizeBuilder.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

namespace plorik::bench {

FullSizeGame::FullSizeGame(testing::Family family, int scale)
    : builder(testing::fullSizeBuilder(family, scale)), game(builder.build(dir.path())),
      textFiles(testing::growTextFiles(game, scale))
{
}

void readFiles(const std::vector<std::filesystem::path>& files)
{
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        benchmark::DoNotOptimize(std::string(std::istreambuf_iterator<char>(in), {}));
    }
}

void readFolder(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    readFiles(files);
}

void copyFolder(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::filesystem::remove_all(to);
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

} // namespace plorik::bench
