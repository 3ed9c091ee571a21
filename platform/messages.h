#pragma once
// The window messages the game's window procedure handles, with the codes
// and parameter packing the window system of the original platform used:
// virtual-key codes, single-byte characters, mouse positions in lparam.

#include <cstdint>

namespace platform {

struct Message {
    unsigned message = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
};

enum : unsigned {
    MSG_NULL = 0x0000,
    MSG_DESTROY = 0x0002,
    MSG_SIZE = 0x0005,
    MSG_CLOSE = 0x0010,
    MSG_QUIT = 0x0012,
    MSG_ERASEBKGND = 0x0014,
    MSG_ACTIVATEAPP = 0x001C,
    MSG_SETCURSOR = 0x0020,
    MSG_DISPLAYCHANGE = 0x007E,
    MSG_KEYDOWN = 0x0100,
    MSG_KEYUP = 0x0101,
    MSG_CHAR = 0x0102,
    MSG_SYSKEYDOWN = 0x0104,
    MSG_SYSKEYUP = 0x0105,
    MSG_MOUSEMOVE = 0x0200,
    MSG_LBUTTONDOWN = 0x0201,
    MSG_LBUTTONUP = 0x0202,
    MSG_LBUTTONDBLCLK = 0x0203,
    MSG_RBUTTONDOWN = 0x0204,
    MSG_RBUTTONUP = 0x0205,
    MSG_RBUTTONDBLCLK = 0x0206,
};

// wparam of MSG_SIZE.
enum : unsigned { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXHIDE = 4 };

// Virtual-key codes. Letters and digits are their upper-case ASCII codes.
enum : unsigned {
    KEY_LBUTTON = 1,
    KEY_RBUTTON = 2,
    KEY_BACK = 8,
    KEY_TAB = 9,
    KEY_RETURN = 13,
    KEY_SHIFT = 16,
    KEY_CONTROL = 17,
    KEY_MENU = 18,  // Alt
    KEY_ESCAPE = 27,
    KEY_SPACE = 32,
    KEY_END = 35,
    KEY_HOME = 36,
    KEY_LEFT = 37,
    KEY_UP = 38,
    KEY_RIGHT = 39,
    KEY_DOWN = 40,
    KEY_DELETE = 46,
};

// Mouse-button state bits in the wparam of mouse messages.
enum : unsigned { MOUSE_LBUTTON = 0x1, MOUSE_RBUTTON = 0x2, MOUSE_SHIFT = 0x4, MOUSE_CONTROL = 0x8 };

// Key messages: lparam bit 29 tells that Alt was held, bit 30 that the key
// was down before (auto-repeat), bit 31 that it is being released.
constexpr std::intptr_t KEY_CONTEXT_ALT = std::intptr_t { 1 } << 29;
constexpr std::intptr_t KEY_PREVIOUS_DOWN = std::intptr_t { 1 } << 30;
constexpr std::intptr_t KEY_TRANSITION_UP = std::intptr_t { 1 } << 31;

// x in the low 16 bits, y in the high 16 bits, both signed.
constexpr std::intptr_t packMousePosition(int x, int y)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                      static_cast<std::uint32_t>(x & 0xFFFF));
}
constexpr int mouseX(std::intptr_t lparam) { return static_cast<std::int16_t>(lparam & 0xFFFF); }
constexpr int mouseY(std::intptr_t lparam) { return static_cast<std::int16_t>((lparam >> 16) & 0xFFFF); }

}  // namespace platform
