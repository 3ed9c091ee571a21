#include "tools/common/font_metrics.h"

#include <gtest/gtest.h>

namespace {

using namespace mkdata;

TEST(FontMetrics, ReadsNumbersAsTheGameDoes)
{
    FontMetrics m;
    // Separators of any kind, a decimal point cut off, negative blanks, and
    // a code listed twice taking its last entry.
    ASSERT_TRUE(parseFontMetrics("v1 height=24.5 n:3\n65 0 0 -2 10 1\n66,12,0,0,9,-1\n65 30 0 1 11 2", m));
    EXPECT_EQ(m.lineHeight, 24);
    EXPECT_EQ(m.glyphs['A'].x, 30);
    EXPECT_EQ(m.glyphs['A'].after, 2);
    EXPECT_EQ(m.glyphs['B'].before, 0);
    EXPECT_EQ(m.glyphs['B'].after, -1);
    EXPECT_FALSE(m.glyphs['C'].present);
}

TEST(FontMetrics, RefusesShortFilesAndBadCodes)
{
    FontMetrics m;
    EXPECT_FALSE(parseFontMetrics("1 20 2\n65 0 0 0 5 0\n", m));
    EXPECT_FALSE(parseFontMetrics("1 20 1\n300 0 0 0 5 0\n", m));
    EXPECT_FALSE(parseFontMetrics("", m));
}

TEST(FontMetrics, WrittenMetricsReadBack)
{
    FontMetrics m;
    m.lineHeight = 31;
    m.glyphs[200] = {true, 500, 0, -3, 17, 2};
    m.glyphs[33] = {true, 0, 0, 1, 6, 1};
    FontMetrics back;
    ASSERT_TRUE(parseFontMetrics(formatFontMetrics(m), back));
    EXPECT_EQ(back.lineHeight, 31);
    EXPECT_EQ(back.glyphs[200].x, 500);
    EXPECT_EQ(back.glyphs[200].before, -3);
    EXPECT_EQ(back.glyphs[33].width, 6);
}

}  // namespace
