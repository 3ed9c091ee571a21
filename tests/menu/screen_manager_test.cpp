#include "menu/checkbox_widget.h"
#include "menu/menu_fixture.h"
#include "menu/typed_word.h"
#include "shell/runwin.h"

#include <gtest/gtest.h>

using namespace platform;

class Screens : public MenuTest {};

TEST_F(Screens, TheLoaderSkipsUnknownTypesAndStopsAtAGap)
{
    writeMenu("m", "[main]\nx=10\ny=20\n0=a\n1=combo\n2=none\n3=a\n4=b\n6=c\n"
                   "[a]\ntype=button\nname=first\nx=1\n[combo]\ntype=combo\n[none]\n[b]\ntype=static\n[c]\ntype=static\n");
    Screen* screen = screens().openScreen("m", false);
    ASSERT_NE(screen, nullptr);
    int count = 0;
    for (Widget* child = screen->firstChild; child; child = child->next)
        ++count;
    EXPECT_EQ(count, 3) << "a, a again and b; c lies after the gap";
    EXPECT_EQ(screen->findChild("a"), screen->firstChild->next) << "the later of two same names";
    EXPECT_EQ(screen->findChild("a")->x, 11);
    EXPECT_EQ(screen->findChild("c"), nullptr);
    EXPECT_EQ(screens().current, nullptr);
}

TEST_F(Screens, PromptLabelsNamingThemselvesOrEachOtherEnd)
{
    writeMenu("m", "[main]\n0=a\n1=b\n[a]\ntype=button\nprompt=a\n[b]\ntype=button\nprompt=c\n[c]\nprompt=b\n");
    Screen* screen = screens().openScreen("m", true);
    ASSERT_NE(screen, nullptr);
    EXPECT_NE(static_cast<ButtonWidget*>(screen->findChild("a"))->prompt, nullptr);
    screen->draw(0, 0, BackBuffer);
}

TEST_F(Screens, MissingFilesAndUnknownNamesGiveScreensThatStayRegistered)
{
    Screen* ghost = screens().openScreen("nosuchscreen", true);
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(ghost->firstChild, nullptr);
    EXPECT_STREQ(ghost->name, "nosuchscreen");
    EXPECT_EQ(screens().openScreen("NoSuchScreen", false), ghost);
    EXPECT_EQ(screens().openScreen("", true), nullptr);
    EXPECT_EQ(screens().currentScreen(), ghost);
}

TEST_F(Screens, ReopeningTheCurrentScreenRestartsItsPhases)
{
    writeMenu("m", "[main]\n0=s\n[s]\ntype=static\nphase=100\n");
    Screen* screen = screens().openScreen("m", true);
    screens().update(60);
    EXPECT_EQ(screen->findChild("s")->time, 60);
    screens().openScreen("m", true);
    EXPECT_EQ(screen->findChild("s")->time, 0);
}

TEST_F(Screens, ADialogOverADialogReturnsToIt)
{
    writePicture("data/menu/red.tga", 800, 600, 255, 0, 0);
    writeMenu("base", "[main]\n0=bg\n[bg]\ntype=static\npath=data\\menu\\red.tga\n");
    writeMenu("first", "[main]\n");
    writeMenu("second", "[main]\n");
    Screen* base = screens().openScreen("base", true);
    Screen* first = screens().openDialog("first");
    ASSERT_NE(first->background, nullptr);
    EXPECT_EQ(pixel(first->background, 400, 300), rgb565(31, 0, 0)) << "a snapshot of the screen beneath";
    EXPECT_EQ(first->returnScreen, base);
    Screen* second = screens().openDialog("second");
    EXPECT_EQ(second->returnScreen, first);
    EXPECT_EQ(pixel(second->background, 400, 300), rgb565(31, 0, 0)) << "the first dialog with its snapshot";

    second->closeDialog();
    EXPECT_EQ(screens().currentScreen(), first);
    EXPECT_EQ(second->background, nullptr);
    EXPECT_EQ(second->returnScreen, nullptr);
    first->closeDialog();
    EXPECT_EQ(screens().currentScreen(), base);
    base->closeDialog();
    EXPECT_EQ(screens().currentScreen(), base) << "a screen that is no dialog stays";
}

TEST_F(Screens, ActivateTakesOnlyItsOwnScreens)
{
    Screen stranger;
    Screen* mine = screens().openScreen("x", false);
    EXPECT_EQ(screens().activateScreen(&stranger), nullptr);
    EXPECT_EQ(screens().activateScreen(mine), mine);
    EXPECT_EQ(screens().current, mine);
}

TEST_F(Screens, ADoubleClickGivesASecondPressWithoutARelease)
{
    writePicture("data/menu/n.tga", 20, 20, 0, 0, 255);
    writeMenu("m", "[main]\n0=c\n[c]\ntype=checkbox\nx=10\ny=10\npath=data\\menu\\n.tga\n");
    Screen* screen = screens().openScreen("m", true);
    auto* box = static_cast<CheckboxWidget*>(screen->findChild("c"));
    send(MSG_LBUTTONDOWN, 15, 15);
    EXPECT_EQ(box->checked, 1);
    EXPECT_EQ(screens().leftButtonDown, 1);
    send(MSG_LBUTTONUP, 15, 15);
    EXPECT_EQ(screens().leftButtonDown, 0);
    send(MSG_LBUTTONDBLCLK, 15, 15);
    EXPECT_EQ(box->checked, 0);
    EXPECT_EQ(box->pressed, 1);
    send(MSG_RBUTTONDOWN, 15, 15);
    EXPECT_EQ(screens().rightButtonDown, 1);
    EXPECT_EQ(box->checked, 0) << "the right button is no click";
    EXPECT_EQ(screens().mouseX, 15);
    EXPECT_EQ(screens().mouseY, 15);
}

TEST_F(Screens, TypedWordsMatchTheEndOfTheBufferInAnyCase)
{
    clearTypedWord();
    EXPECT_FALSE(typedWord(""));
    EXPECT_FALSE(typedWord("a"));
    for (char c : std::string("xxMaGi"))
        send(MSG_CHAR, 0, 0, static_cast<unsigned char>(c));
    EXPECT_FALSE(typedWord("magic"));
    send(MSG_CHAR, 0, 0, 'C');
    EXPECT_TRUE(typedWord("magic"));
    send(MSG_CHAR, 0, 0, 'x');
    EXPECT_FALSE(typedWord("magic"));
    for (int i = 0; i < 40; ++i)
        pushTypedChar('z');
    EXPECT_TRUE(typedWord(std::string(31, 'z').c_str()));
    EXPECT_FALSE(typedWord(std::string(32, 'z').c_str()));
}

TEST_F(Screens, TheSpriteCursorIsDrawnOnlyInsideTheWindowAndNotWithTheSystemCursor)
{
    writePicture("data/custom_cursor.tga", 40, 40, 0, 255, 0);
    ScreenManager& m = screens();
    m.cursors[0] = { 19, 19, graphLoadSprite("data\\custom_cursor.tga", nullptr, 0) };
    ASSERT_GT(m.cursors[0].picture->nWidth, 0);
    static bool inside = true;
    m.cursorInWindow = [] { return inside; };
    m.openScreen("x", true);
    send(MSG_MOUSEMOVE, 100, 100);
    auto drawn = [&] {
        m.update(20);
        BackBuffer->FillRect(0, 0, 800, 600, 0xFF000000);
        m.draw(0, 0, BackBuffer);
        return pixel(BackBuffer, 81, 81) != 0 && pixel(BackBuffer, 80, 80) == 0;
    };
    EXPECT_TRUE(drawn());
    inside = false;
    EXPECT_FALSE(drawn());
    inside = true;
    NOTCustom = 1;
    EXPECT_FALSE(drawn());
    NOTCustom = 0;
}

TEST_F(Screens, AQuitRequestEndsTheNextUpdate)
{
    screens().openScreen("x", true);
    EXPECT_EQ(screens().update(20), 0);
    screens().requestQuit();
    EXPECT_EQ(screens().update(20), 1);
}
