#include "platform/display.h"

#include "platform/sdl_window.h"

namespace platform {
namespace {

struct Display {
    Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int width = 0, height = 0;
};

Display display;

SDL_Renderer* createRenderer(SDL_Window* window)
{
    if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED))
        return renderer;
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

// Sharp pixels when the scale is whole (a window, HiDPI), smooth otherwise.
// True when the picture covers the whole output: no letterbox to clear.
bool chooseScaleMode()
{
    int outputW = 0, outputH = 0;
    SDL_GetRendererOutputSize(display.renderer, &outputW, &outputH);
    const bool whole = outputW % display.width == 0 && outputH % display.height == 0 &&
                       outputW / display.width == outputH / display.height;
    SDL_SetTextureScaleMode(display.texture, whole ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    return whole;
}

SDL_DisplayMode desktopMode()
{
    SDL_DisplayMode mode {};
    if (videoAvailable())
        SDL_GetDesktopDisplayMode(0, &mode);
    return mode;
}

}  // namespace

bool displayOpen(Window* window, int width, int height, BufferFormat format)
{
    displayClose();
    SDL_Window* sdl = sdlWindow(window);
    if (!sdl)
        return false;
    display.renderer = createRenderer(sdl);
    if (!display.renderer)
        return false;
    const Uint32 pixelFormat = format == BufferFormat::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB555;
    display.texture = SDL_CreateTexture(display.renderer, pixelFormat, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!display.texture) {
        displayClose();
        return false;
    }
    // The logical size letterboxes the picture and maps mouse events back
    // to buffer pixels.
    SDL_RenderSetLogicalSize(display.renderer, width, height);
    display.window = window;
    display.width = width;
    display.height = height;
    return true;
}

bool displayPresent(const void* pixels, int pitch)
{
    if (!display.texture || !pixels)
        return false;
    if (SDL_UpdateTexture(display.texture, nullptr, pixels, pitch) != 0)
        return false;
    // The texture is opaque: where it covers the output, clearing first
    // would only be painted over.
    if (!chooseScaleMode()) {
        SDL_SetRenderDrawColor(display.renderer, 0, 0, 0, 255);
        SDL_RenderClear(display.renderer);
    }
    SDL_RenderCopy(display.renderer, display.texture, nullptr, nullptr);
    SDL_RenderPresent(display.renderer);
    return true;
}

int desktopBitsPerPixel()
{
    const SDL_DisplayMode mode = desktopMode();
    return mode.format ? static_cast<int>(SDL_BITSPERPIXEL(mode.format)) : 0;
}

unsigned desktopGreenMask()
{
    const SDL_DisplayMode mode = desktopMode();
    int bpp = 0;
    Uint32 r = 0, g = 0, b = 0, a = 0;
    if (!mode.format || !SDL_PixelFormatEnumToMasks(mode.format, &bpp, &r, &g, &b, &a))
        return 0;
    return g;
}

void displayClose()
{
    if (display.texture)
        SDL_DestroyTexture(display.texture);
    if (display.renderer)
        SDL_DestroyRenderer(display.renderer);
    display = Display {};
}

}  // namespace platform
