#include "menu/screen_manager.h"

#include "graphics/graph.h"
#include "menu/screen_factory.h"
#include "menu/typed_word.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "shell/runwin.h"

#include <string>

ScreenManager* Screens = nullptr;

bool ScreenManager::cursorInGameWindow() { return platform::cursorInClient(gb_hWnd); }

void ScreenManager::load(const char*, const char*)
{
    cursors[0] = { 19, 19, graphLoadSprite("data\\custom_cursor.jpg", nullptr, 0) };
    cursors[1] = { 13, 13, graphLoadSprite("data\\magic_wand.tga", nullptr, 0) };
}

void ScreenManager::showSystemCursor(bool show)
{
    if (systemCursorShown == static_cast<int>(show))
        return;
    systemCursorShown = show;
    platform::showSystemCursor(show);
}

void ScreenManager::draw(int offsetX, int offsetY, Sprite* target)
{
    if (current)
        current->draw(offsetX, offsetY, target);
    if (!mouseInside)
        return;
    const CursorShape& shape = cursors[cursorShape == 1 ? 1 : 0];
    if (shape.picture && target)
        target->Draw(mouseX - shape.hotX, mouseY - shape.hotY, shape.picture, OP_ALPHA, 0);
    else
        showSystemCursor(true);
}

int ScreenManager::update(int milliseconds)
{
    mouseInside = !NOTCustom && cursorInWindow && cursorInWindow() ? 1 : 0;
    showSystemCursor(mouseInside == 0);
    if (quitRequest)
        return 1;
    return current ? current->update(milliseconds) : 0;
}

int ScreenManager::keyDown(unsigned key, std::intptr_t lparam) { return current ? current->keyDown(key, lparam) : 0; }
int ScreenManager::keyUp(unsigned key, std::intptr_t lparam) { return current ? current->keyUp(key, lparam) : 0; }
int ScreenManager::charInput(unsigned code, std::intptr_t lparam)
{
    return current ? current->charInput(code, lparam) : 0;
}

int ScreenManager::mouseMove(std::uintptr_t wparam, std::intptr_t lparam)
{
    mouseX = platform::mouseX(lparam);
    mouseY = platform::mouseY(lparam);
    return current ? current->mouseMove(wparam, lparam) : 0;
}

std::intptr_t ScreenManager::handleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
{
    using namespace platform;
    switch (message) {
    case MSG_KEYDOWN: keyDown(static_cast<unsigned>(wparam), lparam); break;
    case MSG_KEYUP: keyUp(static_cast<unsigned>(wparam), lparam); break;
    case MSG_CHAR:
        pushTypedChar(static_cast<char>(wparam));
        charInput(static_cast<unsigned>(wparam), lparam);
        break;
    case MSG_MOUSEMOVE: mouseMove(wparam, lparam); break;
    case MSG_LBUTTONDOWN:
    case MSG_LBUTTONDBLCLK:
        mouseMove(wparam, lparam);
        keyDown(KEY_LBUTTON, lparam);
        leftButtonDown = 1;
        break;
    case MSG_LBUTTONUP:
        mouseMove(wparam, lparam);
        leftButtonDown = 0;
        keyUp(KEY_LBUTTON, lparam);
        break;
    case MSG_RBUTTONDOWN:
    case MSG_RBUTTONDBLCLK:
        mouseMove(wparam, lparam);
        rightButtonDown = 1;
        keyDown(KEY_RBUTTON, lparam);
        break;
    case MSG_RBUTTONUP:
        mouseMove(wparam, lparam);
        rightButtonDown = 0;
        keyUp(KEY_RBUTTON, lparam);
        break;
    default: break;
    }
    return 0;
}

Screen* ScreenManager::createScreen(const char* screenName) { return createNamedScreen(screenName); }

Screen* ScreenManager::openScreen(const char* screenName, bool makeCurrent)
{
    if (!screenName || !*screenName)
        return nullptr;
    auto* screen = static_cast<Screen*>(findChild(screenName));
    if (!screen) {
        screen = createScreen(screenName);
        if (!screen)
            return nullptr;
        copyText(screen->name, screenName);
        addChild(screen);
        screen->load(("data\\menu\\" + std::string(screenName) + ".ini").c_str(), "");
    }
    if (!makeCurrent)
        return screen;
    if (current)
        currentScreen()->onDeactivate();
    current = screen;
    screen->onActivate();
    return screen;
}

Screen* ScreenManager::openDialog(const char* screenName)
{
    Screen* beneath = currentScreen();
    Screen* dialog = openScreen(screenName, true);
    if (!dialog || !beneath || beneath == dialog)
        return dialog;
    if (!dialog->background)
        dialog->background = graphCreateSprite(SCREEN_WIDTH, SCREEN_HEIGHT, "");
    beneath->draw(0, 0, dialog->background);
    dialog->returnScreen = beneath;
    return dialog;
}

Screen* ScreenManager::activateScreen(Widget* screen)
{
    if (!screen || screen->parent != this)
        return nullptr;
    if (current)
        currentScreen()->onDeactivate();
    current = screen;
    currentScreen()->onActivate();
    return currentScreen();
}
