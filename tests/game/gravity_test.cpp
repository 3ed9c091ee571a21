#include "foundation/game_random.h"
#include "support/field_rig.h"

#include <gtest/gtest.h>

namespace {

// Rows of empty plain cells.
std::vector<std::string> emptyBoard(int width, int height)
{
    std::string row;
    for (int i = 0; i < width; ++i)
        row += "0.0";
    return std::vector<std::string>(static_cast<std::size_t>(height), row);
}

TEST(Gravity, HoleStopsFallingAndCellsBelowAreBorn)
{
    FieldRig rig;
    rig.load({"010", "#  ", "020", "0.0"});
    rig.field().gravityAnimated();
    const GameField& f = rig.field();
    EXPECT_EQ(f.cell(0).gift->state, GIFT_IDLE);  // above the hole
    EXPECT_EQ(f.cell(3).gift->colour, 2);  // fell from row 2
    EXPECT_EQ(f.cell(3).gift->state, GIFT_FALLING);
    EXPECT_EQ(f.cell(2).gift->state, GIFT_GROWING);
    EXPECT_TRUE(f.cell(2).busy && f.cell(3).busy);
}

TEST(Gravity, PuzzleModeLeavesCellsEmpty)
{
    FieldRig rig;
    rig.load({"010", "#  ", "020", "0.0"}, MODE_PUZZLE);
    rig.field().gravityAnimated();
    EXPECT_EQ(rig.field().cell(2).gift, nullptr);
    EXPECT_EQ(rig.field().cell(3).gift->colour, 2);
}

TEST(Gravity, LockedGiftNeitherFallsNorLetsGiftsPass)
{
    FieldRig rig;
    rig.load({"010", "021", "0.0"});
    rig.field().gravityAnimated();
    const GameField& f = rig.field();
    EXPECT_EQ(f.cell(0).gift->colour, 1);
    EXPECT_EQ(f.cell(0).gift->state, GIFT_IDLE);
    EXPECT_EQ(f.cell(1).gift->lock, 1);
    EXPECT_EQ(f.cell(2).gift->state, GIFT_GROWING);
}

TEST(Gravity, BirthsWaitInAWaveFromTheTopLeft)
{
    FieldRig rig;
    rig.load(emptyBoard(14, 3));
    rig.field().gravityAnimated();
    EXPECT_EQ(rig.field().cell(0).gift->timer, -50);
    EXPECT_EQ(rig.field().cell(2 * 14 + 3).gift->timer, -225);
    EXPECT_EQ(rig.field().cell(0).gift->width, 0.0f);
}

TEST(Gravity, FallSpeedGrowsAndIsLimited)
{
    FieldRig rig;
    rig.load({"010", "0.0", "0.0", "0.0"}, MODE_PUZZLE);
    rig.field().gravityAnimated();
    Gift& gift = *rig.field().cell(3).gift;
    EXPECT_FLOAT_EQ(gift.vy, 3 * FieldRig::FALL_VELOCITY);
    gift.update(20);
    EXPECT_FLOAT_EQ(gift.vy, 3 * FieldRig::FALL_VELOCITY + 0.01f);
    gift.vy = 0.69f;
    gift.target = 10000.0f;
    gift.update(40);
    EXPECT_FLOAT_EQ(gift.vy, 0.7f);
    gift.target = gift.y + 1.0f;
    gift.update(20);
    EXPECT_EQ(gift.state, GIFT_IDLE);
    EXPECT_TRUE(rig.field().landed);
}

TEST(Gravity, InstantGravityMovesEveryGiftDown)
{
    FieldRig rig;
    rig.load({"011", "0.0", "0.0"}, MODE_PUZZLE);
    rig.field().gravityInstant();
    EXPECT_EQ(rig.grid(), "0.0\n0.0\n011\n");
    EXPECT_FLOAT_EQ(rig.field().cell(2).gift->y, static_cast<float>(rig.field().centreY(2)));
}

TEST(Gravity, GrowingOvershootsAndSettles)
{
    FieldRig rig;
    rig.load({"0.0"});
    rig.field().gravityAnimated();
    Gift& gift = *rig.field().cell(0).gift;
    gift.timer = 0;
    gift.update(240);
    EXPECT_NEAR(gift.width, 44.0f * 1.15f, 0.01f);
    EXPECT_TRUE(rig.has("sound birth"));
    gift.update(61);
    EXPECT_FLOAT_EQ(gift.width, 44.0f);
    EXPECT_EQ(gift.state, GIFT_IDLE);
}

TEST(MakeGift, BonusChancesOfAThousand)
{
    FieldRig rig;
    rig.load({"010"});
    rig.field().BONUSES[1] = 1000;
    for (int n = 0; n < 20; ++n)
        EXPECT_EQ(rig.field().makeGift(false).kind, KIND_RAINBOW);
    rig.field().BONUSES[1] = 0;
    rig.field().BONUSES[0] = 1000;
    for (int n = 0; n < 20; ++n)
        EXPECT_EQ(rig.field().makeGift(false).kind, KIND_TELEPORT);
    EXPECT_EQ(rig.field().makeGift(true).kind, KIND_ORDINARY);
}

TEST(EnsureMove, GivesUpAndWinsTheLevel)
{
    FieldRig rig;
    rig.load({"010020", "030040"}, MODE_ACTION);
    rig.scorer().goal = 900;
    rig.field().ensureMove();
    EXPECT_TRUE(rig.game.won);
    EXPECT_TRUE(rig.has("won"));
    EXPECT_FLOAT_EQ(rig.scorer().progress, 900.0f);
}

TEST(EnsureMove, RecoloursGrowingGiftsUntilAMoveExists)
{
    FieldRig rig;
    rig.load({"010010020030", "040050040050"}, MODE_ACTION);
    Gift& growing = *rig.field().cell(2).gift;
    growing.state = GIFT_GROWING;
    gameRandom.seed(11);  // the outcome must not hang on what earlier tests drew
    rig.field().ensureMove();
    EXPECT_FALSE(rig.game.won);
    // It stops at a move, or at a line the board will resolve itself.
    EXPECT_TRUE(rig.field().findMove() != 0 || rig.field().hasLine());
}

TEST(PrepareBoard, LeavesNoLineAndAMove)
{
    FieldRig rig;
    rig.load(emptyBoard(14, 10));
    gameRandom.seed(7);
    rig.field().fillEmptyCells();
    rig.field().prepareBoard();
    EXPECT_FALSE(rig.field().hasLine());
    EXPECT_NE(rig.field().findMove(), 0);
    EXPECT_EQ(rig.field().giftList().size(), 140u);
}

TEST(PrepareBoard, OneColourLevelEndsWithOneReport)
{
    FieldRig rig;
    LevelMap map = boardFromText(emptyBoard(4, 3));
    map.gifts = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    rig.load(map);
    rig.field().fillEmptyCells();
    rig.field().prepareBoard();
    EXPECT_EQ(rig.field().giftList().size(), 12u);
    const std::string log = rig.folder.read("gerr.log");
    EXPECT_NE(log.find("keeps forming lines"), std::string::npos);
    EXPECT_EQ(log.find("cannot give a board"), std::string::npos);
}

}  // namespace
