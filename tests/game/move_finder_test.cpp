#include "support/field_rig.h"

#include <gtest/gtest.h>

namespace {

struct MoveCase {
    const char* name;
    std::vector<std::string> board;
    int mode;
    int move;
};

TEST(FindMove, FamiliesAndPatterns)
{
    const MoveCase cases[] = {
        {"row X _ X X", {"010020010010"}, MODE_QUEST, pairOf(1, 0)},
        {"row X X _ X", {"010010020010"}, MODE_QUEST, pairOf(2, 3)},
        {"row X X _ X, gap locked", {"010010021010"}, MODE_QUEST, 0},
        {"row X _ X X, first locked", {"011020010010"}, MODE_QUEST, 0},
        {"column X _ X X", {"010", "020", "010", "010"}, MODE_QUEST, pairOf(1, 0)},
        {"two columns, X X / . X low", {"010020", "010030", "040010"}, MODE_QUEST, pairOf(4, 5)},
        {"two columns, right X X", {"010020", "030010", "040010"}, MODE_QUEST, pairOf(1, 0)},
        {"two columns, second colour", {"010020", "020030", "020040"}, MODE_QUEST, pairOf(0, 1)},
        {"two rows, X X below", {"010020040", "030010010"}, MODE_QUEST, pairOf(3, 0)},
        {"two rows, locked blocks", {"011020040", "030010010"}, MODE_QUEST, 0},
        {"nothing", {"010020", "030040"}, MODE_QUEST, 0},
        {"cube X X / X Y / Z X", {"010010", "010020", "030010"}, MODE_CUBE, pairOf(5, 3)},
        {"cube A first pattern", {"020010", "010030", "010010"}, MODE_CUBE, pairOf(3, 1)},
        {"cube B pattern", {"010020010", "010010030"}, MODE_CUBE, pairOf(2, 1)},
        {"cube ignores locks", {"011020011", "011011030"}, MODE_CUBE, pairOf(2, 1)},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        FieldRig rig;
        rig.load(c.board, c.mode);
        EXPECT_EQ(rig.field().findMove(), c.move);
    }
}

TEST(FindMove, EveryLineMoveCompletesALine)
{
    FieldRig rig;
    rig.load({"010020030010040", "020010040030010", "030040010020030", "010030020040020"}, MODE_PUZZLE);
    const int move = rig.field().findMove();
    ASSERT_NE(move, 0);
    rig.swap(pairFirst(move), pairSecond(move));
    rig.settle();
    EXPECT_FALSE(rig.has("sound swapback"));
    EXPECT_TRUE(rig.has("sound row"));
}

TEST(Hint, PlaysAfterTenSecondsOfRest)
{
    FieldRig rig;
    rig.load({"010020010010", "030040050020"}, MODE_PUZZLE);
    rig.frames(1);
    EXPECT_TRUE(rig.has("tip 0"));
    rig.frames(500);
    EXPECT_FALSE(rig.has("sound help"));
    rig.frames(1);
    EXPECT_EQ(rig.count("sound help"), 1);
    EXPECT_EQ(rig.field().cell(1).gift->helpState, 1);
    EXPECT_EQ(rig.field().cell(1).gift->helpOffset, 1);
    EXPECT_EQ(rig.field().cell(0).gift->helpState, 1);
    EXPECT_EQ(rig.field().cell(0).gift->helpOffset, 0);
    rig.frames(100);
    EXPECT_EQ(rig.field().cell(0).gift->helpState, 0);  // played once
}

TEST(Hint, WaitsWhileAHintCellIsSelected)
{
    FieldRig rig;
    rig.load({"010020010010", "030040050020"}, MODE_PUZZLE);
    rig.click(0);
    rig.frames(600);
    EXPECT_FALSE(rig.has("sound help"));
}

TEST(Hint, TimerRestartsWhileTheBoardIsBusy)
{
    FieldRig rig;
    rig.load({"010020010010", "030040050020"}, MODE_PUZZLE);
    rig.frames(400);
    rig.swap(4, 5);  // swapped back: the board is busy for a while
    rig.frames(200);
    EXPECT_FALSE(rig.has("sound help"));
    EXPECT_LT(rig.field().hintTimer, 8000);
}

TEST(NoMoves, PuzzleOpensItsDialogOnce)
{
    FieldRig rig;
    rig.load({"010020", "030040"}, MODE_PUZZLE);
    rig.frames(3);
    EXPECT_EQ(rig.count("dialog nomovespuzzle"), 1);
    rig.click(0);
    EXPECT_EQ(rig.field().selectedCell, -1);
}

TEST(NoMoves, QuestFailsWhenTimeRunsOutAtRest)
{
    FieldRig rig;
    rig.load({"110020010010", "030040050020"});
    rig.field().timeLeft = 100;
    rig.frames(6);
    EXPECT_TRUE(rig.game.failed);
    EXPECT_TRUE(rig.has("failed"));
}

TEST(Goal, QuestWonWhenTheLastLayerGoes)
{
    FieldRig rig;
    rig.load({"110010020010", "030040050020"});
    rig.swap(2, 3);
    rig.settle();
    EXPECT_EQ(rig.count("sound done"), 1);
    EXPECT_TRUE(rig.game.won);
}

}  // namespace
