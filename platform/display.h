#pragma once
// Presents the game's 16-bit back buffer in the window: through a
// streaming texture, 1:1 in a window, scaled to fit with its aspect kept
// (letterboxed) in full screen. Mouse positions in the window's messages
// are in back-buffer pixels whatever the scale.

#include "platform/window.h"

namespace platform {

enum class BufferFormat { Rgb565, Rgb555 };

// Creates the renderer and the texture for a width x height buffer; false
// when the window has no way to show it.
bool displayOpen(Window* window, int width, int height, BufferFormat format);

// Copies the pixels (rows pitch bytes apart) to the window and shows them.
bool displayPresent(const void* pixels, int pitch);

// The pixel format of the desktop: bits per pixel and green mask (as a
// display mode reports them); 0 when unknown.
int desktopBitsPerPixel();
unsigned desktopGreenMask();

void displayClose();

}  // namespace platform
