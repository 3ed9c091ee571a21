#pragma once
// The root of the widget tree: creates screens by name on first use and
// keeps them, makes one current, passes it the frame and the input, and
// draws the game's own mouse cursor.

#include "menu/screen.h"

#include <cstdint>

struct CursorShape {
    std::int32_t hotX = 0, hotY = 0;
    Sprite* picture = nullptr;
};

class ScreenManager : public Widget {
public:
    void load(const char* file, const char* section) override;
    void draw(int offsetX, int offsetY, Sprite* target) override;
    int update(int milliseconds) override;
    int keyDown(unsigned key, std::intptr_t lparam) override;
    int keyUp(unsigned key, std::intptr_t lparam) override;
    int charInput(unsigned code, std::intptr_t lparam) override;
    int mouseMove(std::uintptr_t wparam, std::intptr_t lparam) override;
    virtual std::intptr_t handleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam);

    Screen* openScreen(const char* screenName, bool makeCurrent);
    Screen* openDialog(const char* screenName);
    Screen* activateScreen(Widget* screen);
    void requestQuit() { quitRequest = 1; }
    // A new screen of the class for that name; unknown names give a plain Screen.
    virtual Screen* createScreen(const char* screenName);

    Screen* currentScreen() const { return static_cast<Screen*>(current); }

    CursorShape cursors[2];
    std::int32_t mouseX = 0, mouseY = 0;
    std::int32_t mouseInside = 0;
    std::int32_t cursorShape = 0;
    std::int32_t leftButtonDown = 0, rightButtonDown = 0;
    std::int32_t quitRequest = 0;
    // Whether the mouse is over the window's client area; headless drivers
    // and tests put their own answer here.
    bool (*cursorInWindow)() = cursorInGameWindow;
    static bool cursorInGameWindow();

private:
    int systemCursorShown = -1;  // the show state last set, -1 before the first
    void showSystemCursor(bool show);
};

// The manager the start-up creates; none before it and after the shut-down.
extern ScreenManager* Screens;
