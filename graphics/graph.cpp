#include "graphics/graph.h"

#include "graphics/sprite_registry.h"
#include "platform/display.h"

Sprite* BackBuffer = nullptr;

namespace {

struct DisplayState {
    WindowHandle window = nullptr;
    int currentMode = -1;
    bool displayOpen = false;
};

DisplayState state;

// The display's window while it still exists (closing it destroys it
// before the shut-down runs).
platform::Window* liveWindow()
{
    return state.window && state.window == platform::currentWindow() ? state.window : nullptr;
}

platform::SurfaceFormat screenSurfaceFormat()
{
    return { ScreenFormat.redMask, ScreenFormat.greenMask, ScreenFormat.blueMask };
}

// Resizes the window when its client area is not the requested size.
void fitClientArea(int width, int height)
{
    const platform::Rect client = platform::clientRect(state.window);
    if (client.width() == width && client.height() == height)
        return;
    int x = 0, y = 0;
    platform::clientPosition(state.window, x, y);
    GERR_CHECK(!platform::moveWindow(state.window, x, y, width, height));
}

// Picks the first table row that passes the test and yields a back buffer.
template <typename Test>
void createBackBufferSurface(int width, int height, Test rowFits)
{
    for (const PixelFormat* row = kPixelFormats; row->bitCount && !BackBuffer->lpSurface; ++row) {
        if (!rowFits(*row))
            continue;
        ScreenFormat = *row;
        BackBuffer->lpSurface = graphCreateSurface(width, height);
    }
}

void createBackBuffer(int width, int height, int bitsPerPixel)
{
    BackBuffer->nWidth = static_cast<std::int16_t>(width);
    BackBuffer->nHeight = static_cast<std::int16_t>(height);
    BackBuffer->setFullClip();
    const int displayBits = platform::desktopBitsPerPixel();
    const unsigned displayGreen = platform::desktopGreenMask();
    if (displayBits == bitsPerPixel)
        createBackBufferSurface(width, height, [&](const PixelFormat& row) { return row.greenMask == displayGreen; });
    createBackBufferSurface(width, height,
                            [&](const PixelFormat& row) { return row.bitCount == std::uint32_t(bitsPerPixel); });
}

void openDisplay()
{
    if (!state.window || !BackBuffer->lpSurface)
        return;
    const auto format = ScreenFormat.greenBits == 5 ? platform::BufferFormat::Rgb555 : platform::BufferFormat::Rgb565;
    state.displayOpen = platform::displayOpen(state.window, BackBuffer->nWidth, BackBuffer->nHeight, format);
    GERR_CHECK(!state.displayOpen);
}

}  // namespace

int graphCurrentMode() { return state.currentMode; }

void graphInit(int width, int height, int bitsPerPixel, int fullScreen, WindowHandle window)
{
    registryEnsure();
    if (!BackBuffer)
        BackBuffer = graphRegister(std::make_unique<Sprite>());
    const bool newWindow = window != state.window;
    state.window = window;
    graphSetWindow(width, height, fullScreen);
    if (width != BackBuffer->nWidth || height != BackBuffer->nHeight)
        if (state.window && !fullScreen)
            fitClientArea(width, height);
    if (!BackBuffer->lpSurface)
        createBackBuffer(width, height, bitsPerPixel);
    // A new renderer for every mode: the old one may hold the window's
    // previous surface.
    if (newWindow || !state.displayOpen || (fullScreen ? 1 : 0) != state.currentMode)
        openDisplay();
    state.currentMode = fullScreen ? 1 : 0;
}

void graphSetWindow(int width, int height, int fullScreen)
{
    if (!liveWindow())
        return;
    const bool full = fullScreen != 0;
    if (full != (state.currentMode != 0) || state.currentMode == -1)
        platform::setWindowFullScreen(state.window, full);
    if (full)
        return;  // the desktop's own resolution; the picture is scaled to fit
    int x, y;
    if (state.currentMode != 0) {
        x = (platform::screenWidth() - width) / 2;
        y = (platform::screenHeight() - height) / 2;
    } else {
        platform::clientPosition(state.window, x, y);  // stays where the user put it
    }
    platform::moveWindow(state.window, x, y, width, height);
}

std::unique_ptr<platform::Surface> graphCreateSurface(int width, int height)
{
    auto surface = platform::Surface::create(width, height, screenSurfaceFormat());
    if (surface)
        GRAPH_CHECK(surface->setColorKey(0, 0));
    return surface;
}

void graphPresent()
{
    if (!BackBuffer || !BackBuffer->lpSurface)
        return;
    if (liveWindow() && state.currentMode == 0 && platform::clientRect(state.window).width() != BackBuffer->nWidth)
        graphSetWindow(BackBuffer->nWidth, BackBuffer->nHeight, state.currentMode);
    BackBuffer->Unlock();
    if (state.displayOpen && liveWindow())
        GERR_CHECK(!platform::displayPresent(BackBuffer->lpSurface->pixelData(), BackBuffer->nWidth * 2));
}

void graphClose()
{
    registryDeleteAll();
    BackBuffer = nullptr;
    platform::displayClose();
    if (liveWindow() && state.currentMode != 0)
        platform::setWindowFullScreen(state.window, false);
    state = DisplayState {};
}
