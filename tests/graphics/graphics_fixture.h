#pragma once
// A headless display (no window) with its registry, and small sprites
// with chosen pixels.

#include "graphics/graph.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override { graphInit(800, 600, 16, 0, nullptr); }
    void TearDown() override { graphClose(); }

    // A surface sprite filled with one pixel value.
    static Sprite* surfaceSprite(int width, int height, std::uint16_t value)
    {
        Sprite* sprite = graphCreateSprite(width, height, "");
        fill(sprite, value);
        return sprite;
    }
    // A heap sprite (no surface), optionally with an alpha map.
    static Sprite* heapSprite(int width, int height, std::uint16_t value, int alpha = -1)
    {
        auto made = std::make_unique<Sprite>();
        made->nWidth = static_cast<std::int16_t>(width);
        made->nHeight = static_cast<std::int16_t>(height);
        made->makeHeapPixels();
        made->setFullClip();
        if (alpha >= 0)
            made->makeAlphaMap(static_cast<std::uint8_t>(alpha));
        Sprite* sprite = graphRegister(std::move(made));
        fill(sprite, value);
        return sprite;
    }
    static void fill(Sprite* sprite, std::uint16_t value)
    {
        sprite->Lock();
        for (int y = 0; y < sprite->storedRows(); ++y)
            for (int x = 0; x < sprite->nWidth; ++x)
                sprite->row(y)[x] = value;
    }
    static std::uint16_t pixel(Sprite* sprite, int x, int y)
    {
        sprite->Lock();
        return sprite->row(y)[x];
    }
    static void setPixel(Sprite* sprite, int x, int y, std::uint16_t value)
    {
        sprite->Lock();
        sprite->row(y)[x] = value;
    }
    static constexpr std::uint16_t rgb565(int r, int g, int b) { return static_cast<std::uint16_t>((r << 11) | (g << 5) | b); }
};
