// The file layer: patches stay inside the file, short files read short, and a replaced file is
// the old one or the new one whatever step fails, with no scratch file left behind.
#include "GameBuilder.h"

#include "common/Errors.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/FileFaults.h"

#include <gtest/gtest.h>

using namespace plorik;
using namespace plorik::testing;

TEST(BinaryFile, PatchesStayInsideTheFileAndShortReadsAreShort)
{
    TempDir dir;
    const auto path = dir.path() / "exe";
    writeFile(path, "0123456789");
    BinaryFile file(path, BinaryFile::Mode::ReadWrite);
    const std::vector<std::uint8_t> two = {'a', 'b'};
    file.writeAt(8, two);
    EXPECT_THROW(file.writeAt(9, two), FileError) << "would grow the file";
    EXPECT_THROW(file.writeAt(-1, two), FileError);
    EXPECT_EQ(file.readAt(7, 10).size(), 3u);
    EXPECT_THROW(file.readExactlyAt(7, 10), FileError);
    EXPECT_EQ(readFile(path), "01234567ab");

    writeFile(dir.path() / "locked", "x");
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms(0444));
    EXPECT_THROW(BinaryFile(dir.path() / "locked", BinaryFile::Mode::ReadWrite), FileError);
    EXPECT_THROW(BinaryFile(dir.path(), BinaryFile::Mode::Read), FileError) << "a folder is no file";
}

TEST(AtomicFile, AFailureAtAnyStepLeavesTheOldFileAndNoScratch)
{
    for (const FileFaults::Step step : {FileFaults::Step::Create, FileFaults::Step::Write, FileFaults::Step::Flush,
                                        FileFaults::Step::Close, FileFaults::Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        TempDir dir;
        const auto target = dir.path() / "strings.txt";
        const auto scratch = dir.path() / "temp.tmp";
        writeFile(target, "old\r\n");
        FileFaults::arm(step, 1, 2);
        EXPECT_THROW(replaceFileContent(target, "new content\r\n", scratch), FileError);
        FileFaults::disarm();
        EXPECT_EQ(readFile(target), "old\r\n");
        EXPECT_FALSE(std::filesystem::exists(scratch));
        replaceFileContent(target, "new content\r\n", scratch);
        EXPECT_EQ(readFile(target), "new content\r\n");
    }
}
