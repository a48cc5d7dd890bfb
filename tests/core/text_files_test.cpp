#include "GameBuilder.h"
#include "common/Errors.h"
#include "text/GameTextLine.h"
#include "text/LineReader.h"

#include <gtest/gtest.h>

using plorik::gameTextLine;
using plorik::LineReader;

TEST(LineReader, EndsLinesAtCrLfLfOrCr)
{
    LineReader reader = LineReader::fromText("one\r\ntwo\nthree\rfour");
    EXPECT_EQ(reader.readLine(), "one");
    EXPECT_EQ(reader.readLine(), "two");
    EXPECT_EQ(reader.readLine(), "three");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "four");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), ""); // reading past the end gives empty lines
}

TEST(LineReader, ATrailingLineEndMakesNoExtraLine)
{
    LineReader reader = LineReader::fromText("only\r\n");
    EXPECT_EQ(reader.readLine(), "only");
    EXPECT_TRUE(reader.atEnd());
    LineReader empty = LineReader::fromText("\r\n\r\n");
    EXPECT_EQ(empty.readLine(), "");
    EXPECT_FALSE(empty.atEnd());
    EXPECT_EQ(empty.readLine(), "");
    EXPECT_TRUE(empty.atEnd());
}

TEST(LineReader, CutsLongLinesAt255AndSkipsTheRest)
{
    const std::string longLine(300, 'a');
    LineReader reader = LineReader::fromText(longLine + "b\r\nnext\r\n");
    EXPECT_EQ(reader.readLine(), std::string(255, 'a'));
    EXPECT_EQ(reader.readLine(), "next");
}

TEST(LineReader, FindLineNeedsLinesAfterTheFoundOne)
{
    LineReader reader = LineReader::fromText("a\r\n[SECTION] x\r\nitem\r\n[LAST]\r\n");
    EXPECT_TRUE(reader.findLine("[SECTION]"));
    EXPECT_EQ(reader.lastLine(), "[SECTION] x");
    EXPECT_EQ(reader.readLine(), "item");
    EXPECT_FALSE(reader.findLine("[LAST]")); // the file's last line counts as not found
    reader.rewind();
    EXPECT_FALSE(reader.findLine("[MISSING]"));
    EXPECT_TRUE(reader.atEnd());
    reader.rewind();
    EXPECT_FALSE(reader.findLine("[section]")); // case matters
}

TEST(LineReader, FindLineSearchesOnFromWhereItIs)
{
    LineReader reader = LineReader::fromText("Version = A\r\nx\r\nVersion = B\r\ny\r\n");
    ASSERT_TRUE(reader.findLine("Version = "));
    EXPECT_EQ(reader.lastLine(), "Version = A");
    ASSERT_TRUE(reader.findLine("Version = "));
    EXPECT_EQ(reader.lastLine(), "Version = B");
}

TEST(LineReader, AMissingFileIsAFileErrorNamingIt)
{
    try {
        LineReader reader("/nonexistent/plorik/data.txt");
        FAIL() << "no error";
    } catch (const plorik::FileError& error) {
        EXPECT_EQ(error.path(), "/nonexistent/plorik/data.txt");
        EXPECT_NE(std::string(error.what()).find("data.txt"), std::string::npos);
    }
}

TEST(GameTextLine, RemovesTheLeadingTag)
{
    EXPECT_EQ(gameTextLine("!CRAFT_1!m:Kestrel"), "m:Kestrel");
    EXPECT_EQ(gameTextLine("!CRAFT_1_SHORT!KES-1"), "KES-1");
    EXPECT_EQ(gameTextLine("!no second mark"), "");
    EXPECT_EQ(gameTextLine("!!"), "");
    EXPECT_EQ(gameTextLine("plain ! text"), "plain ! text");
    EXPECT_EQ(gameTextLine(""), "");
}
