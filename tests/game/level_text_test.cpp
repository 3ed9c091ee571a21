#include "game/level_map.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kLevel =
    "origin 64 80\n"
    "width 5\n"
    "height 3\n"
    "mode 0\n"
    "GIFTS 1 1 1 1 0 0 0 0 1 0\n"
    "BONUSES 10 20 0 0 0\n"
    "time 90\n"
    "000102#  13t1.0\n"
    "2b34r00000.2100\n"
    "#  #  #  4.0#  \n";

TEST(LevelText, ReadsWhatItPrints)
{
    LevelMap map;
    std::string problem;
    ASSERT_TRUE(parseLevelText(kLevel, map, problem)) << problem;
    EXPECT_EQ(map.width, 5);
    EXPECT_EQ(map.height, 3);
    EXPECT_EQ(map.cells[1].code, 1);
    EXPECT_EQ(map.cells[1].extra, 2);
    EXPECT_EQ(map.cells[3].code, CODE_TELEPORT);
    EXPECT_EQ(map.cells[3].extra, 3);
    EXPECT_EQ(map.cells[5].code, 9);
    EXPECT_EQ(map.cells[5].extra, 3);
    EXPECT_EQ(map.cells[6].code, CODE_RAINBOW);
    EXPECT_FALSE(map.cells[10].present);
    EXPECT_EQ(describeLevelMap(map), kLevel);

    // through the binary format and back
    std::vector<unsigned char> bytes = encodeLevelMap(map);
    LevelMap again;
    ASSERT_TRUE(decodeLevelMap(bytes, again, problem));
    EXPECT_EQ(describeLevelMap(again), kLevel);
}

TEST(LevelText, TakesCommentsTrailingBlanksLostAndDefaults)
{
    LevelMap map;
    std::string problem;
    ASSERT_TRUE(parseLevelText("; a comment\r\n\r\n000#\r\n1.11.1\r\n", map, problem)) << problem;
    EXPECT_EQ(map.originX, 250);
    EXPECT_EQ(map.width, 2);
    EXPECT_EQ(map.height, 2);
    EXPECT_FALSE(map.cells[1].present);
    EXPECT_EQ(map.cells[2].extra, 1);
}

struct BadText {
    const char* text;
    const char* problem;
};

TEST(LevelText, NamesTheLineOfAMistake)
{
    const BadText cases[] = {
        {"origin 1\n000\n", "line 1: expected 2 numbers"},
        {"GIFTS 1 1 1 1 1 1 1 1 1 300\n000\n", "line 1: expected 10 numbers from 0 to 255"},
        {"time 5 6\n000\n", "line 1: unexpected \"6\""},
        {"000\n500\n", "line 2: background must be 0 to 4"},
        {"0x0\n", "line 1: gift must be"},
        {"08t\n", "line 1: a teleport gift needs a colour"},
        {"00z\n", "line 1: lock must be"},
        {"#x \n", "line 1: a hole is"},
        {"width 1\n000000\n", "line 2: the row is longer than 1 cells"},
        {"height 3\n000\n", "line 2: the grid has 1 rows, not 3"},
        {"000\ntime 4\n", "line 2: settings come before the grid"},
        {"width 15\nheight 10\n000\n000\n000\n000\n000\n000\n000\n000\n000\n000\n", "more than 140 cells"},
        {"; nothing\n", "the grid is missing"},
    };
    for (const BadText& c : cases) {
        LevelMap map;
        std::string problem;
        EXPECT_FALSE(parseLevelText(c.text, map, problem)) << c.text;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << c.text << " gave: " << problem;
    }
}

}  // namespace
