#include "support/field_rig.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

namespace {

// Runs fieldsim in the working folder.
ToolRun runSim(const std::string& arguments) { return runTool("fieldsim", arguments); }

class FieldsimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> rows(10, std::string());
        for (int r = 0; r < 10; ++r) {
            for (int c = 0; c < 14; ++c)
                rows[static_cast<std::size_t>(r)] += (c + r) % 9 == 0 ? "3.0" : (r == 4 && c == 6) ? "#  " : "1.0";
        }
        LevelMap map = boardFromText(rows);
        map.gifts = {1, 1, 1, 1, 1, 1, 0, 0, 1, 0};
        map.bonuses = {20, 20, 0, 0, 0};
        ASSERT_EQ(writeLevelMap("level.map", map), 0);
    }

    ToolRun script(const std::string& lines, const std::string& arguments)
    {
        rig.folder.write("script.txt", lines);
        return runSim("level.map --script script.txt " + arguments);
    }

    FieldRig rig;  // the working folder with its tuning
};

TEST_F(FieldsimTest, WrongArgumentsAndMissingFilesExitWithTwo)
{
    for (const char* arguments : {"", "level.map --mode arcade", "level.map --seed x", "missing.map",
                                  "level.map --tuning speed=1", "level.map --script none.txt", "a.map b.map"}) {
        SCOPED_TRACE(arguments);
        const ToolRun run = runSim(arguments);
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }
}

TEST_F(FieldsimTest, BadScriptLineExitsWithTwo)
{
    const ToolRun run = script("print\nclick 900\n", "");
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("line 2"), std::string::npos);
}

TEST_F(FieldsimTest, PrintsTheMapsBoardWithoutStart)
{
    const ToolRun run = script("# the board as loaded\nprint\n", "");
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "score 0 level 1 layers 171 chain 0 wands 5 gems 0 gifts 0 time 60000 busy 0");
    EXPECT_EQ(run.out.substr(run.out.find('\n') + 1, 43), "3.01.01.01.01.01.01.01.01.03.01.01.01.01.0\n");
}

TEST_F(FieldsimTest, SameSeedSameGame)
{
    const std::string lines = "autoplay 30\nprint\n";
    const ToolRun first = script(lines, "--start --seed 5 --trace");
    const ToolRun second = script(lines, "--start --seed 5 --trace");
    const ToolRun other = script(lines, "--start --seed 6 --trace");
    ASSERT_EQ(first.code, 0);
    EXPECT_EQ(first.out, second.out);
    EXPECT_NE(first.out, other.out);
    EXPECT_NE(first.out.find("sound swap\n"), std::string::npos);
    EXPECT_NE(first.out.find("effect SpawnGiftBurst "), std::string::npos);
}

TEST_F(FieldsimTest, SettleFailsWhenGiftsCannotMove)
{
    const ToolRun run = script("swap 0 1\nsettle\n", "--start --tuning gift=0");
    EXPECT_EQ(run.code, 3);
}

TEST_F(FieldsimTest, SavesTheBoard)
{
    const ToolRun run = script("save out.map\n", "--start --mode action");
    ASSERT_EQ(run.code, 0);
    LevelMap saved;
    ASSERT_TRUE(readLevelMap("out.map", saved));
    EXPECT_EQ(saved.mode, MODE_ACTION);
    EXPECT_EQ(saved.cells[1].code != CODE_EMPTY, true);
}

TEST_F(FieldsimTest, LongAutoplayInEveryModeKeepsTheBoardSound)
{
    for (const char* mode : {"quest", "puzzle", "action", "cube"}) {
        SCOPED_TRACE(mode);
        const ToolRun run = script("autoplay 2000\nprint\n", std::string("--start --mode ") + mode);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}

}  // namespace
