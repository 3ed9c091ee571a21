#include "graphics/sprite.h"

#include "graphics/graph.h"

#include <cstring>

Sprite::~Sprite() { releaseImage(); }

void Sprite::Lock()
{
    if (!lpSurface || pPixels)
        return;
    std::uint16_t* pixels = nullptr;
    int pitch = 0;
    if (GRAPH_CHECK(lpSurface->lock(pixels, pitch)) == 0) {
        pPixels = pixels;
        nPitch = static_cast<std::int16_t>(pitch);
    }
}

void Sprite::Unlock()
{
    if (!lpSurface || !pPixels)
        return;
    pPixels = nullptr;
    GRAPH_CHECK(lpSurface->unlock());
}

int Sprite::storedFrame(int frame) const
{
    const long long frames = nFrames > 0 ? nFrames : 1;
    long long f = frame % frames;
    if (f < 0)
        f += frames;  // negative frames count back from the end
    const int stored = static_cast<int>(f * nStored / frames);
    return stored < nStored ? stored : nStored - 1;
}

void Sprite::releaseImage()
{
    Unlock();
    lpSurface.reset();
    heapPixels_.reset();
    pPixels = nullptr;
    pAlpha.reset();
    bMask = 0;
}

void Sprite::makeHeapPixels()
{
    const std::size_t count = pixelCount();
    heapPixels_ = std::make_unique<std::uint16_t[]>(count);
    pPixels = heapPixels_.get();
    nPitch = static_cast<std::int16_t>(2 * nWidth);
}

bool Sprite::makeSurface()
{
    lpSurface = graphCreateSurface(nWidth, storedRows());
    return lpSurface != nullptr;
}

void Sprite::makeAlphaMap(std::uint8_t value)
{
    const std::size_t count = pixelCount();
    pAlpha = std::make_unique<std::uint8_t[]>(count);
    std::memset(pAlpha.get(), value, count);
}

std::size_t Sprite::pixelCount() const
{
    return nWidth > 0 && storedRows() > 0 ? static_cast<std::size_t>(nWidth) * storedRows() : 0;
}

void Sprite::setFullClip() { rcClip = { 0, 0, nWidth, nHeight }; }
