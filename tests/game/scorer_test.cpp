#include "support/field_rig.h"

#include <gtest/gtest.h>

namespace {

// A 14 x 10 board; the scorer reads the field's mode and cell centres.
class ScorerTest : public ::testing::Test {
protected:
    void SetUp() override { rig.load(boardFromText(std::vector<std::string>(10, std::string(42, '0')))); }

    void queue(int plain, int layered = 0, int special = 0)
    {
        int cell = 0;
        for (int n = 0; n < plain; ++n)
            rig.scorer().queueScore(cell++);
        for (int n = 0; n < layered; ++n)
            rig.scorer().queueScore(1000 + cell++);
        for (int n = 0; n < special; ++n)
            rig.scorer().queueScore(2000 + cell++);
    }

    FieldRig rig;
};

struct Example {
    const char* name;
    int chain, plain, special;
    int points, chainAfter;
};

TEST_F(ScorerTest, WorkedExamples)
{
    const Example examples[] = {
        {"line of three", 0, 3, 0, 30, 0},
        {"cascade line of three", 1, 3, 0, 60, 1},
        {"line of four", 0, 4, 0, 80, 1},
        {"line of five over a score cell", 0, 4, 1, 620, 2},
        {"two lines of three", 0, 6, 0, 240, 3},
        {"capped step factor", 9, 4, 0, 400, 9},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.name);
        rig.scorer().score = 0;
        rig.scorer().chain = e.chain;
        queue(e.plain, 0, e.special);
        rig.scorer().scoreStep();
        EXPECT_EQ(rig.scorer().score, e.points);
        EXPECT_EQ(rig.scorer().chain, e.chainAfter);
        EXPECT_EQ(rig.scorer().queued(), 0);
    }
}

TEST_F(ScorerTest, LayerAndBadCascadeEntries)
{
    rig.scorer().queueScore(1000 + 5);
    rig.scorer().queueScore(3000 + 6);
    rig.scorer().queueScore(7);
    rig.scorer().scoreStep();
    // a = 1: 10 + 50 for the layer, 100 for the bad gift, 10 plain.
    EXPECT_EQ(rig.scorer().score, 170);
    EXPECT_TRUE(rig.has("effect SpawnScorePopup 514 94 60"));
    EXPECT_TRUE(rig.has("effect SpawnScorePopup 562 94 100"));
    EXPECT_EQ(rig.starting("effect SpawnScorePopup").front(), "effect SpawnScorePopup 610 94 10");
}

TEST_F(ScorerTest, QueueHoldsEveryCellTwice)
{
    for (int n = 0; n < 2 * MAX_CELLS; ++n)
        rig.scorer().queueScore(n % MAX_CELLS);
    EXPECT_EQ(rig.scorer().queued(), 2 * MAX_CELLS);
    rig.scorer().scoreStep();
    EXPECT_EQ(rig.scorer().score, 280 * 100);
}

TEST_F(ScorerTest, StepSoundsAndComboMessages)
{
    const char* sounds[] = {"sound row", "sound row3", "sound row4", "sound row5", "sound row5"};
    for (int steps = 0; steps < 5; ++steps) {
        rig.events.clear();
        rig.field().scoringSteps = steps;
        rig.scorer().messageType = -1;
        rig.scorer().scoreStep();
        EXPECT_EQ(rig.events.back(), sounds[steps]);
        EXPECT_EQ(rig.scorer().messageType, steps == 2 ? MESSAGE_COMBO : steps == 4 ? MESSAGE_SUPERCOMBO : -1);
    }
}

TEST_F(ScorerTest, GemsByColourTally)
{
    rig.field().colourTally[2] = 4;
    rig.field().colourMean[2] = 300 + 1000 * 120;
    rig.field().colourTally[3] = 5;
    rig.field().colourMean[3] = 400 + 1000 * 200;
    rig.scorer().scoreStep();
    EXPECT_TRUE(rig.has("effect SpawnGem 300 120 1"));
    EXPECT_TRUE(rig.has("effect SpawnGem 400 200 2"));
    EXPECT_EQ(rig.scorer().gems, 2);
    EXPECT_EQ(rig.scorer().collectorFilled, 1);
    EXPECT_TRUE(rig.has("effect SpawnSparkle 360 40"));
    EXPECT_EQ(rig.field().colourTally[3], 0);
}

TEST_F(ScorerTest, FullCollectorGivesTheBonusOnce)
{
    rig.scorer().collectorFilled = 2;  // of 3 on level 1
    for (int step = 0; step < 2; ++step) {
        rig.field().colourTally[0] = 6;
        rig.scorer().scoreStep();
    }
    EXPECT_EQ(rig.scorer().score, COLLECTOR_BONUS);
    EXPECT_EQ(rig.scorer().gems, 2);
    EXPECT_EQ(rig.scorer().collectorFilled, 3);
    EXPECT_EQ(rig.scorer().messageType, MESSAGE_GEMBONUS);
}

TEST_F(ScorerTest, CubeModeNeedsEightOfAColour)
{
    rig.field().mode = MODE_CUBE;
    rig.field().colourTally[1] = 4;
    rig.scorer().scoreStep();
    EXPECT_EQ(rig.scorer().gems, 0);
    rig.field().colourTally[1] = 8;
    rig.scorer().scoreStep();
    EXPECT_EQ(rig.scorer().gems, 1);
}

TEST_F(ScorerTest, PuzzleGemsStayOutOfTheCollector)
{
    rig.field().mode = MODE_PUZZLE;
    rig.field().colourTally[1] = 7;
    rig.field().scoringSteps = 2;
    rig.scorer().scoreStep();
    EXPECT_EQ(rig.scorer().gems, 1);
    EXPECT_EQ(rig.scorer().collectorFilled, 0);
    EXPECT_EQ(rig.scorer().messageType, -1);
}

TEST_F(ScorerTest, OneBonusLifePerQuarterMillion)
{
    const int lives = rig.game.lives;
    rig.scorer().addScore(249990);
    EXPECT_EQ(rig.game.lives, lives);
    rig.scorer().addScore(600000);
    EXPECT_EQ(rig.game.lives, lives + 1);
    EXPECT_EQ(rig.scorer().bonusLivesGiven, 1);
    rig.scorer().addScore(10);
    EXPECT_EQ(rig.game.lives, lives + 2);
}

TEST_F(ScorerTest, ProgressGrowsInTheEndlessModes)
{
    rig.field().mode = MODE_ACTION;
    queue(3);
    rig.scorer().scoreStep();
    EXPECT_FLOAT_EQ(rig.scorer().pendingProgress, 3.0f + 3.0f);
}

TEST(CollectorSlots, FollowTheEpisodes)
{
    EXPECT_EQ(collectorSlotsFor(5), 3);
    EXPECT_EQ(collectorSlotsFor(6), 4);
    EXPECT_EQ(collectorSlotsFor(17), 5);
    EXPECT_EQ(collectorSlotsFor(24), 6);
    EXPECT_EQ(collectorSlotsFor(25), 7);
    EXPECT_EQ(collectorSlotsFor(33), 8);
}

}  // namespace
