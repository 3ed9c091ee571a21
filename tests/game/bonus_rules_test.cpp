#include "support/field_rig.h"

#include <gtest/gtest.h>

namespace {

struct WandCase {
    int background;
    int layersAfter;
    const char* sound;
    int wandsAfter;
};

TEST(Wand, StrikesOnEveryBackground)
{
    const WandCase cases[] = {
        {0, 0, nullptr, 4}, {1, 0, "sound flycell", 4}, {2, 1, "sound flycell", 4},
        {3, 0, "sound bonus_score", 4}, {4, 0, "sound bonus_wand", 5},
    };
    for (const WandCase& w : cases) {
        SCOPED_TRACE(w.background);
        FieldRig rig;
        rig.load({std::string(1, static_cast<char>('0' + w.background)) + "10020030", "040050020"});
        rig.game.armed = true;
        rig.click(0);
        EXPECT_TRUE(rig.has("sound magic"));
        EXPECT_FALSE(rig.game.armed);
        rig.settle();
        EXPECT_EQ(rig.field().layers, w.layersAfter);
        if (w.sound) {
            EXPECT_TRUE(rig.has(w.sound));
        }
        EXPECT_EQ(rig.game.wands, w.wandsAfter);
        EXPECT_EQ(rig.scorer().score, 0);
        EXPECT_TRUE(rig.starting("effect SpawnScorePopup").empty());
        EXPECT_TRUE(rig.starting("effect SpawnGlow").empty());
        EXPECT_NE(rig.field().cell(0).gift, nullptr);  // refilled
    }
}

TEST(Rainbow, TakesTheNeighboursColourAndCompletesALine)
{
    FieldRig rig;
    rig.load({"0r0010010", "020030020"}, MODE_PUZZLE);
    rig.swap(0, 1);
    EXPECT_TRUE(rig.has("sound raduga"));
    EXPECT_FALSE(rig.has("sound swap"));
    rig.settle();
    EXPECT_EQ(rig.grid(), "0.00.00.0\n020030020\n");
}

TEST(Rainbow, SpentWhereNoLineForms)
{
    FieldRig rig;
    rig.load({"0r0010020", "020030010"}, MODE_PUZZLE);
    rig.swap(0, 1);
    rig.settle();
    EXPECT_EQ(rig.grid(), "010010020\n020030010\n");
    EXPECT_EQ(rig.field().cell(0).gift->kind, KIND_ORDINARY);
}

TEST(Rainbow, DiagonalTargetDoesNothingButDropTheSelection)
{
    FieldRig rig;
    rig.load({"0r0010020", "020030010"}, MODE_PUZZLE);
    rig.swap(0, 4);
    EXPECT_EQ(rig.field().selectedCell, -1);
    EXPECT_FALSE(rig.field().rainbowSelected);
    EXPECT_FALSE(rig.field().busy);
    EXPECT_EQ(rig.field().cell(0).gift->colour, COLOUR_RAINBOW);
}

TEST(Teleport, ExchangesWithAFarGiftWithoutSwapBack)
{
    FieldRig rig;
    rig.load({"02t010030040030", "040050020010050"}, MODE_PUZZLE);
    rig.swap(0, 9);
    EXPECT_TRUE(rig.has("sound teleport"));
    rig.settle();
    EXPECT_FALSE(rig.has("sound swapback"));
    EXPECT_EQ(rig.grid(), "050010030040030\n040050020010020\n");
    EXPECT_EQ(rig.field().cell(9).gift->kind, KIND_ORDINARY);
}

TEST(Teleport, LockedTargetRefuses)
{
    FieldRig rig;
    rig.load({"02t010031"}, MODE_PUZZLE);
    rig.click(0);
    rig.field().teleport(0, 2);
    EXPECT_FALSE(rig.field().busy);
    EXPECT_EQ(rig.field().cell(0).gift->kind, KIND_TELEPORT);
}

}  // namespace
