#pragma once
// A headless display in a fresh working folder, with helpers that write
// menu files and plain pictures, and a screen manager to open them.

#include "foundation/ini.h"
#include "graphics/image_builders.h"
#include "graphics/graphics_fixture.h"
#include "menu/screen_manager.h"
#include "platform/messages.h"

#include <memory>
#include <string>

class MenuTest : public GraphicsTest {
protected:
    void SetUp() override
    {
        iniRelease();
        GraphicsTest::SetUp();
    }
    void TearDown() override
    {
        manager.reset();
        GraphicsTest::TearDown();
        iniRelease();
    }

    // "data\menu\NAME.ini" with the given text.
    void writeMenu(const std::string& screen, const std::string& contents)
    {
        folder.write("data/menu/" + screen + ".ini", contents);
    }
    // An opaque 24-bit TGA of one colour.
    void writePicture(const std::string& relative, int width, int height, unsigned char r, unsigned char g,
                      unsigned char b)
    {
        std::vector<unsigned char> pixels;
        for (int i = 0; i < width * height; ++i)
            pixels.insert(pixels.end(), { b, g, r });
        folder.writeBytes(relative, tgaFile(width, height, 24, true, pixels));
    }
    ScreenManager& screens()
    {
        if (!manager) {
            manager = std::make_unique<ScreenManager>();
            manager->cursorInWindow = nullptr;
        }
        return *manager;
    }
    void send(unsigned message, int mx, int my, std::uintptr_t wparam = 0)
    {
        screens().handleMessage(message, wparam, platform::packMousePosition(mx, my));
    }
    void click(int mx, int my)
    {
        send(platform::MSG_LBUTTONDOWN, mx, my);
        send(platform::MSG_LBUTTONUP, mx, my);
    }

    TempFolder folder;
    std::unique_ptr<ScreenManager> manager;
};

// A screen that counts the commands of its controls.
class CountingScreen : public Screen {
public:
    int onCommand(Widget* child) override
    {
        last = child;
        ++commands;
        return 0;
    }
    Widget* last = nullptr;
    int commands = 0;
};
