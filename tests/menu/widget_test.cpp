#include "menu/static_widget.h"
#include "menu/menu_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the order in which the widgets are drawn.
class Probe : public Widget {
public:
    explicit Probe(std::vector<Probe*>& log) : log_(log) {}
    void draw(int, int, Sprite*) override { log_.push_back(this); }

private:
    std::vector<Probe*>& log_;
};

}  // namespace

TEST(WidgetTree, NewChildrenGoToTheHeadAndScreensDrawTailToHead)
{
    std::vector<Probe*> drawn;
    Screen screen;
    auto* first = new Probe(drawn);
    auto* second = new Probe(drawn);
    auto* third = new Probe(drawn);
    for (Widget* child : { static_cast<Widget*>(first), static_cast<Widget*>(second), static_cast<Widget*>(third) })
        screen.addChild(child);
    EXPECT_EQ(screen.firstChild, third);
    EXPECT_EQ(screen.lastChild, first);
    EXPECT_EQ(third->parent, &screen);
    screen.draw(0, 0, nullptr);
    EXPECT_EQ(drawn, (std::vector<Probe*> { first, second, third }));

    screen.unlinkChild(second);
    EXPECT_EQ(first->prev, third);
    EXPECT_EQ(third->next, first);
    EXPECT_EQ(second->parent, nullptr);
    screen.addChild(second);
    screen.deleteChild(first);
    EXPECT_EQ(screen.lastChild, third);
}

TEST(WidgetTree, FindChildIgnoresCaseAndPrefersTheNewest)
{
    Widget root;
    auto* older = new Widget;
    auto* newer = new Widget;
    copyText(older->name, "Start");
    copyText(newer->name, "start");
    root.addChild(older);
    root.addChild(newer);
    EXPECT_EQ(root.findChild("START"), newer);
    EXPECT_EQ(root.findChild("stop"), nullptr);
}

TEST(WidgetHitTest, BordersOnTheLeftAndTopDoNotCount)
{
    Widget w;
    w.x = 10;
    w.y = 20;
    w.xs = 30;
    w.ys = 40;
    struct Case {
        int x, y;
        bool hit;
    } cases[] = { { 10, 30, false }, { 11, 30, true },  { 20, 20, false }, { 20, 21, true },
                  { 39, 59, true },  { 40, 30, false }, { 20, 60, false } };
    for (const Case& c : cases)
        EXPECT_EQ(w.hitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
    Widget empty;
    EXPECT_FALSE(empty.hitTest(0, 0));
}

TEST(WidgetNumber, GroupsOfThreeDigits)
{
    struct Case {
        int value;
        const char* text;
    } cases[] = { { 0, "0" },         { 999, "999" },           { 1000, "1,000" },          { 1005, "1,005" },
                  { 999999, "999,999" }, { 1000000, "1,000,000" }, { 1234567, "1,234,567" } };
    Widget w;
    for (const Case& c : cases) {
        w.setNumber(c.value);
        EXPECT_STREQ(w.text, c.text);
    }
}

TEST(WidgetText, ACaptionLongerThanItsBufferIsCut)
{
    Widget w;
    const std::string longText(1000, 'a');
    w.setText(longText.c_str());
    EXPECT_EQ(std::string(w.text), std::string(WIDGET_TEXT_SIZE - 1, 'a'));
}

class WidgetLoad : public MenuTest {};

TEST_F(WidgetLoad, CommonKeysArePlacedWithinTheParent)
{
    folder.write("w.ini", "[ok]\nx=5\ny=6\nxs=7\nys=8\nxalign=-1\nyalign=1\nname=Hello\nbnotstatic=1\nphase=300\n"
                          "btabstop=0\n[plain]\n");
    Widget parent;
    parent.x = 100;
    parent.y = 200;
    auto* child = new Widget;
    parent.addChild(child);
    child->load("w.ini", "ok");
    EXPECT_STREQ(child->name, "ok");
    EXPECT_EQ(child->x, 105);
    EXPECT_EQ(child->y, 206);
    EXPECT_EQ(child->xs, 7);
    EXPECT_EQ(child->ys, 8);
    EXPECT_EQ(child->xalign, -1);
    EXPECT_EQ(child->yalign, 1);
    EXPECT_STREQ(child->text, "Hello");
    EXPECT_EQ(child->bnotstatic, 1);
    EXPECT_EQ(child->phase, 300);
    EXPECT_EQ(child->tabStop, 0);

    auto* plain = new Widget;
    parent.addChild(plain);
    plain->load("w.ini", "plain");
    EXPECT_EQ(plain->tabStop, 1) << "a missing btabstop keeps the default";
}

TEST_F(WidgetLoad, HighlightOffClearsPressedAndRerendersTheCanvas)
{
    writePicture("data/menu/b.tga", 20, 10, 0, 0, 255);
    writePicture("data/menu/b_a.tga", 20, 10, 255, 0, 0);
    writeMenu("m", "[main]\n0=b\n[b]\ntype=button\nx=10\ny=10\npath=data\\menu\\b.tga\npath_a=data\\menu\\b_a.tga\n");
    Screen* screen = screens().openScreen("m", true);
    Widget* button = screen->findChild("b");
    ASSERT_NE(button, nullptr);
    button->pressed = 1;
    button->setHighlight(true);
    ASSERT_NE(screen->canvas, nullptr);
    EXPECT_EQ(pixel(screen->canvas, 15, 15), rgb565(31, 0, 0)) << "the canvas shows the new highlight";
    EXPECT_EQ(button->pressed, 1);
    button->setHighlight(false);
    EXPECT_EQ(button->pressed, 0);
    EXPECT_EQ(pixel(screen->canvas, 15, 15), rgb565(0, 0, 31));
}

TEST_F(WidgetLoad, APhaseHidesAStaticUntilItsTimeAndAgainOnEveryActivation)
{
    writePicture("data/menu/s.tga", 10, 10, 255, 255, 255);
    writeMenu("m", "[main]\n0=s\n[s]\ntype=static\npath=data\\menu\\s.tga\nphase=1000\n");
    Screen* screen = screens().openScreen("m", true);
    auto seen = [&] {
        BackBuffer->FillRect(0, 0, 800, 600, 0xFF000000);
        screen->draw(0, 0, BackBuffer);
        return pixel(BackBuffer, 5, 5) != 0;
    };
    EXPECT_FALSE(seen());
    for (int t = 0; t < 980; t += 20)
        screen->update(20);
    EXPECT_FALSE(seen());
    screen->update(20);
    EXPECT_TRUE(seen());
    screens().openScreen("m", true);
    EXPECT_FALSE(seen());
}
