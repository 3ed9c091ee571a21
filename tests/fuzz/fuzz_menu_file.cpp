// Loads an arbitrary menu file as a screen, then draws it and feeds it the
// mouse and the keyboard.
#include "foundation/ini.h"
#include "fuzz_scratch_file.h"
#include "graphics/graph.h"
#include "menu/screen_manager.h"
#include "platform/message_box.h"
#include "platform/messages.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = [] {
        platform::setMessageBoxObserver([](const std::string&, const std::string&) {});
        graphInit(800, 600, 16, 0, nullptr);
        return true;
    }();
    (void)ready;
    if (!writeScratchFile("fuzz_menu.ini", data, size))
        return 0;
    iniRelease();
    {
        ScreenManager screens;
        screens.cursorInWindow = nullptr;
        Screen* screen = screens.createScreen("fuzz");
        screens.addChild(screen);
        screen->load("fuzz_menu.ini", "");
        screens.activateScreen(screen);
        for (int i = 0; i < 4; ++i) {
            const std::intptr_t at = platform::packMousePosition(i * 150, i * 120);
            screens.handleMessage(platform::MSG_LBUTTONDOWN, platform::MOUSE_LBUTTON, at);
            screens.handleMessage(platform::MSG_MOUSEMOVE, platform::MOUSE_LBUTTON, at + 5);
            screens.handleMessage(platform::MSG_LBUTTONUP, 0, at + 5);
            screens.handleMessage(platform::MSG_CHAR, 'a' + i, 1);
            screens.handleMessage(platform::MSG_KEYDOWN, platform::KEY_BACK, 1);
            screens.update(20);
        }
        screens.draw(0, 0, BackBuffer);
        screen->renderStatic(1);
    }
    return 0;
}
