// SDL events to window messages: virtual-key codes, Latin-1 characters,
// mouse positions packed in lparam, activation, minimise and close.
#include "platform/sdl_window.h"

#include <string_view>

namespace platform {
namespace {

unsigned virtualKey(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return static_cast<unsigned>(key - SDLK_a + 'A');
    if (key >= SDLK_0 && key <= SDLK_9)
        return static_cast<unsigned>(key);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return static_cast<unsigned>(112 + (key - SDLK_F1));
    switch (key) {
    case SDLK_BACKSPACE: return KEY_BACK;
    case SDLK_TAB: return KEY_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return KEY_RETURN;
    case SDLK_ESCAPE: return KEY_ESCAPE;
    case SDLK_SPACE: return KEY_SPACE;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return KEY_END;
    case SDLK_HOME: return KEY_HOME;
    case SDLK_LEFT: return KEY_LEFT;
    case SDLK_UP: return KEY_UP;
    case SDLK_RIGHT: return KEY_RIGHT;
    case SDLK_DOWN: return KEY_DOWN;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return KEY_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return KEY_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return KEY_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return KEY_MENU;
    case SDLK_PAUSE: return 19;
    default: return 0;
    }
}

// Keys whose press also types a control character.
unsigned typedControlChar(unsigned vk)
{
    switch (vk) {
    case KEY_BACK:
    case KEY_TAB:
    case KEY_RETURN:
    case KEY_ESCAPE: return vk;
    default: return 0;
    }
}

void translateKey(const SDL_KeyboardEvent& key, std::deque<Message>& out)
{
    const unsigned vk = virtualKey(key.keysym.sym);
    if (vk == 0)
        return;
    const bool down = key.type == SDL_KEYDOWN;
    const bool alt = (key.keysym.mod & KMOD_ALT) != 0 || vk == KEY_MENU;
    std::intptr_t lparam = 1 | (static_cast<std::intptr_t>(key.keysym.scancode & 0xFF) << 16);
    if (alt)
        lparam |= KEY_CONTEXT_ALT;
    if (!down)
        lparam |= KEY_PREVIOUS_DOWN | KEY_TRANSITION_UP;
    else if (key.repeat)
        lparam |= KEY_PREVIOUS_DOWN;
    unsigned message = down ? MSG_KEYDOWN : MSG_KEYUP;
    if (alt)
        message = down ? MSG_SYSKEYDOWN : MSG_SYSKEYUP;
    out.push_back({ message, vk, lparam });
    if (down && !alt)
        if (unsigned ch = typedControlChar(vk))
            out.push_back({ MSG_CHAR, ch, lparam });
}

// UTF-8 text to single-byte characters: code points 32..255 other than the
// C1 controls and DEL are kept, everything else is dropped.
void translateText(std::string_view text, std::deque<Message>& out)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        unsigned code = lead;
        std::size_t length = 1;
        if (lead >= 0xF0) { code = lead & 0x07; length = 4; }
        else if (lead >= 0xE0) { code = lead & 0x0F; length = 3; }
        else if (lead >= 0xC0) { code = lead & 0x1F; length = 2; }
        else if (lead >= 0x80) { ++i; continue; }  // stray continuation byte
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if (code >= 32 && code <= 255 && !(code >= 0x7F && code < 0xA0))
            out.push_back({ MSG_CHAR, code, 1 });
    }
}

std::uintptr_t buttonState(std::uint32_t sdlButtons)
{
    std::uintptr_t state = 0;
    if (sdlButtons & SDL_BUTTON_LMASK)
        state |= MOUSE_LBUTTON;
    if (sdlButtons & SDL_BUTTON_RMASK)
        state |= MOUSE_RBUTTON;
    const SDL_Keymod mod = SDL_GetModState();
    if (mod & KMOD_SHIFT)
        state |= MOUSE_SHIFT;
    if (mod & KMOD_CTRL)
        state |= MOUSE_CONTROL;
    return state;
}

void translateButton(const SDL_MouseButtonEvent& button, std::deque<Message>& out)
{
    const bool down = button.type == SDL_MOUSEBUTTONDOWN;
    // The window system reports every second click of a quick pair as a
    // double click instead of a press.
    const bool doubleClick = down && button.clicks >= 2 && button.clicks % 2 == 0;
    unsigned message;
    if (button.button == SDL_BUTTON_LEFT)
        message = doubleClick ? MSG_LBUTTONDBLCLK : down ? MSG_LBUTTONDOWN : MSG_LBUTTONUP;
    else if (button.button == SDL_BUTTON_RIGHT)
        message = doubleClick ? MSG_RBUTTONDBLCLK : down ? MSG_RBUTTONDOWN : MSG_RBUTTONUP;
    else
        return;
    out.push_back({ message, buttonState(SDL_GetMouseState(nullptr, nullptr)), packMousePosition(button.x, button.y) });
}

void translateWindowEvent(const SDL_WindowEvent& window, std::deque<Message>& out)
{
    switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: out.push_back({ MSG_ACTIVATEAPP, 1, 0 }); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: out.push_back({ MSG_ACTIVATEAPP, 0, 0 }); break;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN: out.push_back({ MSG_SIZE, SIZE_MINIMIZED, 0 }); break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN: out.push_back({ MSG_SIZE, SIZE_RESTORED, 0 }); break;
    case SDL_WINDOWEVENT_CLOSE: out.push_back({ MSG_CLOSE, 0, 0 }); break;
    case SDL_WINDOWEVENT_ENTER: out.push_back({ MSG_SETCURSOR, 0, 1 }); break;
    case SDL_WINDOWEVENT_DISPLAY_CHANGED: out.push_back({ MSG_DISPLAYCHANGE, 16, 0 }); break;
    default: break;
    }
}

}  // namespace

void translateEvent(const SDL_Event& event, std::deque<Message>& out)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: translateKey(event.key, out); break;
    case SDL_TEXTINPUT: translateText(event.text.text, out); break;
    case SDL_MOUSEMOTION:
        out.push_back({ MSG_MOUSEMOVE, buttonState(event.motion.state), packMousePosition(event.motion.x, event.motion.y) });
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: translateButton(event.button, out); break;
    case SDL_WINDOWEVENT: translateWindowEvent(event.window, out); break;
    case SDL_QUIT: out.push_back({ MSG_CLOSE, 0, 0 }); break;
    default: break;
    }
}

}  // namespace platform
