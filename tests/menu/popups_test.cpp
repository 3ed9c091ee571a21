#include "menu/letter_popup.h"
#include "menu/menu_fixture.h"
#include "menu/tutorial_bubble.h"
#include "menu/word_picture.h"

#include <gtest/gtest.h>

class Popups : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        writePicture("data/letters/A.tga", 20, 30, 255, 0, 0);
        writePicture("data/letters/_A.tga", 20, 30, 255, 255, 255);
        writePicture("data/letters/B.tga", 10, 40, 0, 0, 255);
        writePicture("data/letters/_B.tga", 10, 40, 255, 255, 255);
    }
};

TEST_F(Popups, WordPicturesSetLettersSideBySideWithGapsForBlanks)
{
    Sprite* word = makeWordPicture("A B");
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->nWidth, 20 + 30 + 10);
    EXPECT_EQ(word->nHeight, 40);
    ASSERT_NE(word->pAlpha, nullptr);
    EXPECT_EQ(pixel(word, 5, 5), rgb565(31, 0, 0));
    EXPECT_EQ(pixel(word, 55, 35), rgb565(0, 0, 31));
    EXPECT_EQ(word->pAlpha[5 * word->nWidth + 5], 255);
    EXPECT_EQ(word->pAlpha[35 * word->nWidth + 5], 0) << "below a shorter letter stays clear";
    EXPECT_EQ(makeWordPicture("   "), nullptr);
    EXPECT_EQ(makeWordPicture(""), nullptr);
}

TEST(LetterScale, OvershootsToThirtyPercentAndSettles)
{
    EXPECT_FLOAT_EQ(overshootScale(0.0f), 0.0f);
    EXPECT_NEAR(overshootScale(0.7f), 1.3f, 1e-5);
    EXPECT_NEAR(overshootScale(1.0f), 1.0f, 1e-5);
    EXPECT_FLOAT_EQ(overshootScale(2.0f), 1.0f);
    EXPECT_NEAR(overshootScale(0.85f), 1.15f, 1e-5);
}

TEST_F(Popups, TheLastOfFiveLettersGrowsFrom320To570Milliseconds)
{
    auto popup = createLetterPopup("ABABA", 100, 200, 1500);
    PopupLetter& last = *popup->letters[4];
    EXPECT_EQ(last.delay, 320);
    EXPECT_EQ(last.anchorX, 100 + 20 + 10 + 20 + 10);
    int t = 0;
    auto runTo = [&](int until) {
        for (; t < until; t += 10)
            EXPECT_EQ(popup->update(10), 0);
    };
    runTo(320);
    EXPECT_EQ(last.scale, 0.0f);
    runTo(330);
    EXPECT_GT(last.scale, 0.0f);
    runTo(570);
    EXPECT_NEAR(last.scale, 1.0f, 1e-5);
    EXPECT_EQ(last.width, 20);
    EXPECT_EQ(last.height, 30);
    runTo(1500);
    EXPECT_TRUE(popup->going);
    int gone = 0;
    for (int i = 0; i < 300 && !gone; ++i)
        gone = popup->update(10);
    EXPECT_EQ(gone, 1);
    popup->reset();
    EXPECT_EQ(popup->update(10), 0) << "reset starts it again";
}

TEST_F(Popups, WithoutDurationTheLettersStayAndTheyDrawAtTheirAnchors)
{
    auto popup = createLetterPopup("A", 100, 200, 0);
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(popup->update(20), 0);
    popup->draw(BackBuffer);
    EXPECT_EQ(pixel(BackBuffer, 110, 200), rgb565(31, 0, 0));
    EXPECT_EQ(pixel(BackBuffer, 110, 184), 0) << "centred vertically on the anchor";
}

TEST_F(Popups, TheBubbleFadesInShowsAndFadesOut)
{
    writePicture("data/hint.tga", 100, 60, 255, 255, 255);
    writePicture("data/_hint.tga", 100, 60, 255, 255, 255);
    TutorialBubble bubble;
    bubble.pointX = 158;
    bubble.pointY = 100;  // the top stays on the screen
    auto shade = [&] {
        BackBuffer->FillRect(0, 0, 800, 600, 0xFF000000);
        bubble.draw(BackBuffer);
        return pixel(BackBuffer, 150, 5);
    };
    EXPECT_EQ(shade(), 0);
    bubble.update(60);
    const std::uint16_t half = shade();
    EXPECT_NE(half, 0);
    EXPECT_NE(half, 0xFFFF);
    bubble.update(60);
    EXPECT_EQ(shade(), 0xFFFF);
    bubble.close();
    EXPECT_EQ(bubble.update(60), 0);
    EXPECT_NE(shade(), 0xFFFF);
    EXPECT_EQ(bubble.update(60), 1);
}
