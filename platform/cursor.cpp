#include "platform/cursor.h"

#include "platform/sdl_window.h"

#include <vector>

namespace platform {
namespace {
SDL_Cursor* windowCursor = nullptr;
}

bool setWindowCursorImage(const std::uint32_t* pixels, int width, int height, int hotX, int hotY)
{
    destroyWindowCursor();
    if (!pixels || width <= 0 || height <= 0 || !SDL_WasInit(SDL_INIT_VIDEO))
        return false;
    std::vector<std::uint32_t> copy(pixels, pixels + static_cast<std::size_t>(width) * height);
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormatFrom(copy.data(), width, height, 32, width * 4,
                                                            SDL_PIXELFORMAT_ARGB8888);
    if (!image)
        return false;
    windowCursor = SDL_CreateColorCursor(image, hotX, hotY);
    SDL_FreeSurface(image);
    return applyWindowCursor();
}

bool applyWindowCursor()
{
    if (!windowCursor)
        return false;
    SDL_SetCursor(windowCursor);
    return true;
}

void destroyWindowCursor()
{
    if (windowCursor)
        SDL_FreeCursor(windowCursor);
    windowCursor = nullptr;
}

}  // namespace platform
