#pragma once
// The window cursor: made from 0xAARRGGBB pixels (rows top-down) with a
// hot spot, set whenever the window asks for its cursor.

#include <cstdint>

namespace platform {

bool setWindowCursorImage(const std::uint32_t* pixels, int width, int height, int hotX, int hotY);
// True when a cursor image is loaded (and has now been set).
bool applyWindowCursor();
void destroyWindowCursor();

}  // namespace platform
