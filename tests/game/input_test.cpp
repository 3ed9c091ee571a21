#include "support/field_rig.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> BOARD = {
    "010020030",
    "030040010",
    "020010040",
};

struct Drag {
    int cell, dx, dy;
    bool swaps;
};

TEST(Input, DragsPickTheirTargetBeyondTwentyPixels)
{
    const Drag drags[] = {
        {4, 20, 0, false}, {4, 21, 0, true}, {4, -21, 0, true}, {4, 0, 21, true},
        {4, 0, -20, false}, {1, 0, -30, false}, {2, 30, 0, false}, {4, 25, 40, true},
    };
    for (const Drag& d : drags) {
        SCOPED_TRACE(testing::Message() << d.cell << " by " << d.dx << "," << d.dy);
        FieldRig rig;
        rig.load(BOARD, MODE_PUZZLE);
        rig.drag(d.cell, d.dx, d.dy);
        EXPECT_EQ(rig.has("sound swap"), d.swaps);
        EXPECT_EQ(rig.field().busy, d.swaps);
    }
}

TEST(Input, HorizontalDragWinsAndSwapsWithTheRightNeighbour)
{
    FieldRig rig;
    rig.load(BOARD, MODE_PUZZLE);
    rig.drag(4, 25, 40);
    EXPECT_EQ(rig.field().cell(4).swapPartner, 5);
}

TEST(Input, SecondClickDeselectsAndHolesKeepTheSelection)
{
    FieldRig rig;
    rig.load({"010020#  ", "030042010"}, MODE_PUZZLE);
    rig.click(0);
    EXPECT_EQ(rig.field().selectedCell, 0);
    EXPECT_TRUE(rig.field().markerVisible);
    rig.click(2);  // a hole
    rig.click(4);  // a locked gift
    EXPECT_EQ(rig.field().selectedCell, 0);
    rig.click(0);
    EXPECT_EQ(rig.field().selectedCell, -1);
    EXPECT_FALSE(rig.field().markerVisible);
    EXPECT_FALSE(rig.field().cell(0).gift->selected);
}

TEST(Input, ClickOnAFarGiftMovesTheSelection)
{
    FieldRig rig;
    rig.load(BOARD, MODE_PUZZLE);
    rig.click(0);
    rig.click(8);
    EXPECT_EQ(rig.field().selectedCell, 8);
    EXPECT_FALSE(rig.field().busy);
    rig.click(0, 2);
    EXPECT_EQ(rig.field().selectedCell, -1);
}

TEST(Input, DragOntoALockedNeighbourSwapsBackWithNothingMoved)
{
    FieldRig rig;
    rig.load({"010021030", "030040010"}, MODE_PUZZLE);
    const std::string before = rig.grid();
    rig.drag(0, 30, 0);
    EXPECT_FALSE(rig.has("sound swap"));
    rig.settle();
    EXPECT_TRUE(rig.has("sound swapback"));
    EXPECT_EQ(rig.grid(), before);
}

TEST(Input, ClicksWhileBusyAreIgnored)
{
    FieldRig rig;
    rig.load(BOARD, MODE_PUZZLE);
    rig.swap(0, 1);
    rig.click(6);
    EXPECT_EQ(rig.field().selectedCell, -1);
}

}  // namespace
