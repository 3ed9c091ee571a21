#include "menu/button_widget.h"
#include "menu/checkbox_widget.h"
#include "menu/edit_widget.h"
#include "menu/menu_fixture.h"
#include "menu/progress_widget.h"
#include "menu/sparkle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

std::vector<std::pair<int, int>> sparkles;
void recordSparkle(int x, int y) { sparkles.emplace_back(x, y); }

}  // namespace

class Controls : public MenuTest {
protected:
    CountingScreen* load(const std::string& contents)
    {
        writeMenu("c", contents);
        auto* screen = new CountingScreen;
        screens().addChild(screen);
        screen->load("data\\menu\\c.ini", "");
        screens().activateScreen(screen);
        return screen;
    }
    void buttonPictures()
    {
        writePicture("data/menu/n.tga", 40, 20, 0, 0, 255);
        writePicture("data/menu/a.tga", 40, 20, 255, 0, 0);
        writePicture("data/menu/p.tga", 40, 20, 0, 255, 0);
        writePicture("data/menu/d.tga", 40, 20, 255, 255, 255);
    }
    std::uint16_t drawnAt(Screen* screen, int px, int py)
    {
        BackBuffer->FillRect(0, 0, 800, 600, 0xFF000000);
        screen->draw(0, 0, BackBuffer);
        return pixel(BackBuffer, px, py);
    }
    static constexpr const char* kButton = "[main]\n0=b\n[b]\ntype=button\nx=100\ny=100\npath=data\\menu\\n.tga\n"
                                           "path_a=data\\menu\\a.tga\npath_p=data\\menu\\p.tga\n";
};

TEST_F(Controls, AClickNeedsPressAndReleaseOnTheSameButton)
{
    buttonPictures();
    CountingScreen* screen = load(kButton);
    Widget* button = screen->findChild("b");
    EXPECT_EQ(button->xs, 40) << "size from the normal picture";
    EXPECT_EQ(drawnAt(screen, 110, 110), rgb565(0, 0, 31));
    send(MSG_MOUSEMOVE, 110, 110);
    EXPECT_EQ(button->highlighted, 1);
    EXPECT_EQ(drawnAt(screen, 110, 110), rgb565(31, 0, 0));
    send(MSG_LBUTTONDOWN, 110, 110);
    EXPECT_EQ(drawnAt(screen, 110, 110), rgb565(0, 63, 0));
    EXPECT_EQ(screen->commands, 0) << "a button reports on the release";
    send(MSG_LBUTTONUP, 110, 110);
    EXPECT_EQ(screen->commands, 1);
    EXPECT_EQ(screen->last, button);

    send(MSG_LBUTTONDOWN, 110, 110);
    send(MSG_MOUSEMOVE, 300, 300);
    send(MSG_LBUTTONUP, 300, 300);
    EXPECT_EQ(screen->commands, 1) << "released elsewhere";
    EXPECT_EQ(button->pressed, 0);
}

TEST_F(Controls, ATabStopOfZeroMakesAButtonIgnoreTheMouse)
{
    buttonPictures();
    CountingScreen* screen = load(std::string(kButton) + "btabstop=0\n");
    click(110, 110);
    EXPECT_EQ(screen->findChild("b")->highlighted, 0);
    EXPECT_EQ(screen->commands, 0);
}

TEST_F(Controls, ADisabledButtonIsNotDrawnNorClicked)
{
    buttonPictures();
    CountingScreen* screen = load(kButton);
    screen->findChild("b")->enabled = 0;
    EXPECT_EQ(drawnAt(screen, 110, 110), 0);
    click(110, 110);
    EXPECT_EQ(screen->commands, 0);
}

TEST_F(Controls, ACheckBoxReportsOnThePressAndShowsItsState)
{
    buttonPictures();
    CountingScreen* screen = load("[main]\n0=c\n[c]\ntype=checkbox\nx=100\ny=100\npath=data\\menu\\n.tga\n"
                                  "path_a=data\\menu\\a.tga\npath_p=data\\menu\\p.tga\npath_d=data\\menu\\d.tga\n"
                                  "value=1\n");
    auto* box = static_cast<CheckboxWidget*>(screen->findChild("c"));
    EXPECT_EQ(box->checked, 1);
    EXPECT_EQ(drawnAt(screen, 110, 110), rgb565(0, 63, 0));
    send(MSG_LBUTTONDOWN, 110, 110);
    EXPECT_EQ(screen->commands, 1);
    EXPECT_EQ(box->checked, 0);
    EXPECT_EQ(drawnAt(screen, 110, 110), rgb565(31, 0, 0));
    send(MSG_LBUTTONUP, 110, 110);
    EXPECT_EQ(screen->commands, 1);
    EXPECT_EQ(box->pressed, 0);
    box->enabled = 0;
    EXPECT_EQ(drawnAt(screen, 110, 110), rgb565(31, 63, 31)) << "the disabled picture";
}

TEST_F(Controls, SliderValueRules)
{
    writePicture("data/menu/l.tga", 200, 10, 255, 0, 0);
    writePicture("data/menu/r.tga", 200, 10, 0, 0, 255);
    writePicture("data/menu/k.tga", 10, 10, 0, 255, 0);
    CountingScreen* screen = load("[main]\n0=s\n[s]\ntype=progress\nx=100\ny=100\npath=data\\menu\\k.tga\n"
                                  "leftpath=data\\menu\\l.tga\nrightpath=data\\menu\\r.tga\n");
    auto* slider = static_cast<ProgressWidget*>(screen->findChild("s"));
    EXPECT_EQ(slider->trackLeft, 100);
    EXPECT_EQ(slider->trackWidth, 200);
    EXPECT_EQ(slider->x, 95);
    EXPECT_EQ(slider->xs, 210);
    EXPECT_FLOAT_EQ(slider->value, 0.4f);

    send(MSG_LBUTTONDOWN, 200, 105);
    EXPECT_FLOAT_EQ(slider->value, 0.5f);
    EXPECT_EQ(screen->commands, 1) << "grabbing reports";
    send(MSG_MOUSEMOVE, 101, 105);
    EXPECT_FLOAT_EQ(slider->value, 0.0f) << "0.005 becomes 0";
    send(MSG_MOUSEMOVE, 500, 300);
    EXPECT_FLOAT_EQ(slider->value, 1.0f);
    EXPECT_EQ(slider->highlighted, 1) << "dragging keeps the slider";
    send(MSG_LBUTTONUP, 500, 300);
    EXPECT_EQ(slider->pressed, 0);

    slider->setValue(0.25f);
    EXPECT_EQ(drawnAt(screen, 120, 101), rgb565(31, 0, 0)) << "filled part";
    EXPECT_EQ(drawnAt(screen, 200, 101), rgb565(0, 0, 31)) << "empty part";
    EXPECT_EQ(drawnAt(screen, 150, 105), rgb565(0, 63, 0)) << "knob at the fill";
}

TEST_F(Controls, ASliderWithoutTrackIsNeverGrabbed)
{
    writePicture("data/menu/k.tga", 10, 10, 0, 255, 0);
    CountingScreen* screen = load("[main]\n0=s\n[s]\ntype=progress\nx=100\ny=100\npath=data\\menu\\k.tga\n");
    auto* slider = static_cast<ProgressWidget*>(screen->findChild("s"));
    EXPECT_EQ(slider->trackWidth, 0);
    send(MSG_LBUTTONDOWN, 101, 105);
    EXPECT_EQ(slider->pressed, 0);
    EXPECT_EQ(screen->commands, 0);
    EXPECT_FLOAT_EQ(slider->value, 0.4f);
}

TEST_F(Controls, EditKeysAndLimits)
{
    CountingScreen* screen = load("[main]\n0=e\n[e]\ntype=edit\nx=10\ny=10\nxs=100\nys=20\n");
    auto* edit = static_cast<EditWidget*>(screen->findChild("e"));
    EXPECT_EQ(edit->toggleSound, nullptr);
    EXPECT_EQ(edit->keyDown(KEY_BACK, 0), 0) << "Backspace at 0 is not used";
    for (char c : std::string("abcdefghij"))
        edit->charInput(static_cast<unsigned char>(c), 0);
    EXPECT_STREQ(edit->text, "abcdefghi") << "nine characters at most";
    EXPECT_EQ(edit->keyDown(KEY_DELETE, 0), 0) << "Delete at the end is not used";
    EXPECT_EQ(edit->keyDown(KEY_HOME, 0), 1);
    EXPECT_EQ(edit->keyDown(KEY_DELETE, 0), 1);
    EXPECT_STREQ(edit->text, "bcdefghi");
    EXPECT_EQ(edit->charInput(9, 0), 0) << "control characters are refused";
    EXPECT_EQ(edit->charInput('X', 0), 1);
    EXPECT_STREQ(edit->text, "Xbcdefghi");
    EXPECT_EQ(edit->caret, 1);
    edit->keyDown(KEY_LEFT, 0);
    edit->keyDown(KEY_LEFT, 0);
    EXPECT_EQ(edit->caret, 0);
    edit->keyDown(KEY_END, 0);
    edit->keyDown(KEY_RIGHT, 0);
    EXPECT_EQ(edit->caret, 9);
    edit->keyDown(KEY_BACK, 0);
    EXPECT_STREQ(edit->text, "Xbcdefgh");
    EXPECT_EQ(edit->keyDown('A', 0), 0);
    edit->setText("ab");
    EXPECT_EQ(edit->caret, 2);
}

TEST_F(Controls, AStaticStripRunsThroughItsFramesFromActivation)
{
    std::vector<unsigned char> pixels;
    const unsigned char bands[4] = { 255, 0, 0, 255 };
    for (int frame = 0; frame < 4; ++frame)
        for (int i = 0; i < 8 * 2; ++i)
            pixels.insert(pixels.end(), { bands[frame], static_cast<unsigned char>(frame == 1 ? 255 : 0),
                                          static_cast<unsigned char>(frame == 2 ? 255 : 0) });
    folder.writeBytes("data/menu/strip.tga", tgaFile(8, 8, 24, true, pixels));
    CountingScreen* screen = load("[main]\n0=s\n[s]\ntype=static\npath=data\\menu\\strip.tga\nlength=4\nperiod=1000\n");
    Widget* strip = screen->findChild("s");
    EXPECT_EQ(strip->ys, 2);
    EXPECT_EQ(strip->tabStop, 0);
    std::vector<std::uint16_t> shown;
    for (int t : { 0, 250, 500, 750, 1000 }) {
        strip->time = t;
        shown.push_back(drawnAt(screen, 1, 1));
    }
    EXPECT_EQ(shown, (std::vector<std::uint16_t> { rgb565(0, 0, 31), rgb565(0, 63, 0), rgb565(31, 0, 0),
                                                    rgb565(0, 0, 31), rgb565(0, 0, 31) }));
}

TEST_F(Controls, ADelayedStaticSparklesInItsLastTwentyMilliseconds)
{
    writePicture("data/menu/s.tga", 10, 10, 255, 255, 255);
    CountingScreen* screen = load("[main]\n0=s\n[s]\ntype=static\nx=30\ny=40\npath=data\\menu\\s.tga\nphase=100\n");
    sparkles.clear();
    spawnSparkle = recordSparkle;
    for (int t = 0; t < 200; t += 10)
        screen->update(10);
    spawnSparkle = nullptr;
    EXPECT_EQ(sparkles, (std::vector<std::pair<int, int>> { { 30, 45 }, { 30, 45 } })) << "at 80 and 90 ms";
}
