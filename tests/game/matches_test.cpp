#include "support/field_rig.h"

#include <gtest/gtest.h>

namespace {

// Frames until an event has happened (at most 10 s).
void runUntil(FieldRig& rig, const std::string& event)
{
    for (int n = 0; n < 500 && !rig.has(event); ++n)
        rig.frames(1);
    ASSERT_TRUE(rig.has(event)) << event;
}

const std::vector<std::string> LINE_OF_FOUR = {
    "010010020010030",
    "030040010040020",
    "050030050030050",
};

TEST(Matches, LineOfFourClearsAllFourAndScores80)
{
    FieldRig rig;
    rig.load(LINE_OF_FOUR);
    rig.swap(2, 7);
    runUntil(rig, "sound row");
    EXPECT_EQ(rig.scorer().score, 80);
    EXPECT_EQ(rig.starting("effect SpawnScorePopup").size(), 4u);
}

TEST(Matches, PuzzleBoardKeepsTheGapsAndScoresNothing)
{
    FieldRig rig;
    rig.load(LINE_OF_FOUR, MODE_PUZZLE);
    rig.swap(2, 7);
    rig.settle();
    EXPECT_EQ(rig.grid(), "0.00.00.00.0030\n030040020040020\n050030050030050\n");
    EXPECT_EQ(rig.scorer().score, 0);
    EXPECT_TRUE(rig.has("sound row"));
    EXPECT_EQ(rig.field().giftList().size(), 11u);
}

TEST(Matches, LineOfFiveOverAScoreCell)
{
    FieldRig rig;
    rig.load({"310010020010010", "030040010040020", "050030050030050"});
    rig.swap(2, 7);
    runUntil(rig, "sound row");
    EXPECT_EQ(rig.scorer().score, 620);
    EXPECT_EQ(rig.field().layers, 0);
    EXPECT_TRUE(rig.has("sound bonus_score"));
    EXPECT_TRUE(rig.has("effect SpawnFlyingCell 274 94 2 0 0"));
    EXPECT_TRUE(rig.has("effect SpawnGlow 274 94 0"));
}

TEST(Matches, CornerOfAnLIsClearedTwice)
{
    FieldRig rig;
    rig.load({"010020030040050", "010030040050020", "020010010030040", "010040050020030"});
    rig.swap(10, 15);
    runUntil(rig, "sound row");
    EXPECT_EQ(rig.scorer().score, 150);  // five gifts, a = 3
    EXPECT_EQ(rig.starting("effect SpawnGiftBurst").size(), 6u);
    EXPECT_EQ(rig.scorer().gems, 1);
    EXPECT_EQ(rig.starting("effect SpawnGem").size(), 1u);
    EXPECT_EQ(rig.starting("effect SpawnGem").front().back(), '2');
}

TEST(Matches, ChainedGiftLosesOneChainAndStays)
{
    FieldRig rig;
    rig.load({"012010020", "030040010"}, MODE_PUZZLE);
    rig.swap(2, 5);
    rig.settle();
    EXPECT_TRUE(rig.has("sound block"));
    EXPECT_TRUE(rig.has("effect SpawnChunks 274 94 1"));
    EXPECT_TRUE(rig.has("effect SpawnGiftBurst 274 94 7"));
    EXPECT_EQ(rig.grid(), "0110.00.0\n030040020\n");
}

TEST(Matches, BadLineOfThePlayersSwapAddsLayers)
{
    FieldRig rig;
    rig.load({"0b00b0020030040", "030040" "0b0" "010020"});
    rig.swap(2, 7);
    runUntil(rig, "sound row");
    EXPECT_EQ(rig.count("sound bad"), 3);
    EXPECT_EQ(rig.field().layers, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rig.field().cell(i).background, 1);
    EXPECT_EQ(rig.scorer().score, 0);
    EXPECT_GE(rig.scorer().chain, 0);
}

TEST(Matches, BadGiftInACascadeScores)
{
    FieldRig rig;
    rig.load({"0b00b00b0", "030040050"});
    rig.field().scoringSteps = 1;
    for (int i = 0; i < 3; ++i)
        rig.field().clearCell(i, false);
    EXPECT_EQ(rig.count("sound badremove"), 3);
    EXPECT_EQ(rig.field().layers, 0);
    rig.scorer().scoreStep();
    EXPECT_EQ(rig.scorer().score, 300);
}

TEST(Matches, EqualColoursSwapBack)
{
    FieldRig rig;
    rig.load({"010010020", "030040050"}, MODE_PUZZLE);
    const std::string before = rig.grid();
    rig.swap(0, 1);
    rig.settle();
    EXPECT_TRUE(rig.has("sound swapback"));
    EXPECT_TRUE(rig.has("tip 3"));
    EXPECT_EQ(rig.grid(), before);
    EXPECT_TRUE(rig.field().undoHistory.empty());
}

TEST(Matches, CubeSquaresOverlapping)
{
    FieldRig rig;
    rig.load({"010010010", "010010010", "020030020"}, MODE_CUBE);
    EXPECT_TRUE(rig.field().findMatches());
    for (int i : {0, 1, 2, 3, 4, 5})
        EXPECT_EQ(rig.field().cell(i).gift->state, GIFT_DYING) << i;
    EXPECT_EQ(rig.field().cell(6).gift->state, GIFT_IDLE);
    EXPECT_EQ(rig.field().colourTally[1], 8);  // two squares of four
}

TEST(Matches, LineOfThreeIsNoSquareInTheCubeMode)
{
    FieldRig rig;
    rig.load({"010010010", "020030040"}, MODE_CUBE);
    EXPECT_FALSE(rig.field().findMatches());
    EXPECT_FALSE(rig.field().hasLine());
}

}  // namespace
