// The registry's loading side: sprites by file name with their alpha
// companions, blank sprites, and the loading of a sprite's image.
#include "foundation/gerr.h"
#include "graphics/graph.h"
#include "graphics/image_file.h"
#include "platform/message_box.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kNameSize = 64;

void copyName(char (&field)[kNameSize], const std::string& name)
{
    std::memset(field, 0, kNameSize);
    std::memcpy(field, name.data(), std::min<std::size_t>(name.size(), kNameSize - 1));
}

// "dir\name.ext" -> "dir\_name.tga"; a name without a folder gets its
// companion beside it, "_name.tga" (not at the root).
}  // namespace

std::string spriteCompanionName(const std::string& name)
{
    const std::size_t slash = name.rfind('\\');
    const std::string folder = slash == std::string::npos ? "" : name.substr(0, slash + 1);
    std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    file = (dot == std::string::npos ? file + "." : file.substr(0, dot + 1)) + "tga";
    return folder + "_" + file;
}

namespace {

// The decoder's sizes, if they describe a picture the sprite can hold.
bool takeSizes(Sprite* sprite, const ImageFile& image)
{
    const int w = std::abs(image.width), h = std::abs(image.height), stored = image.storedFrames;
    if (w == 0 || h == 0 || w > kMaxImageSide || h > kMaxImageSide || stored <= 0 ||
        static_cast<long long>(stored) * h > 32767)
        return false;
    sprite->nFrames = image.totalFrames > 0 ? image.totalFrames : 1;
    sprite->nWidth = static_cast<std::int16_t>(w);
    sprite->nHeight = static_cast<std::int16_t>(h);
    sprite->nStored = static_cast<std::int16_t>(stored);
    return true;
}

// The source frame that stored frame i holds.
int sourceFrame(const ImageFile& image, int i) { return i * (image.totalFrames / image.storedFrames); }

void writeAlphaFrames(Sprite* sprite, ImageFile& image)
{
    const std::size_t frameBytes = static_cast<std::size_t>(sprite->nWidth) * sprite->nHeight;
    for (int i = 0; i < sprite->nStored; ++i)
        image.GetChannel(sprite->pAlpha.get() + i * frameBytes, sourceFrame(image, i), 1, sprite->nWidth, 8, 0,
                         sprite->nWidth, sprite->nHeight);
}

bool frameZeroHasBlack(const Sprite* sprite)
{
    for (int y = 0; y < sprite->nHeight; ++y) {
        const std::uint16_t* row = sprite->row(y);
        for (int x = 0; x < sprite->nWidth; ++x)
            if (row[x] == 0)
                return true;
    }
    return false;
}

void decodeImage(Sprite* sprite, ImageFile& image, FileBlock block)
{
    image.Decode(std::move(block));
    if (!takeSizes(sprite, image))
        return;
    if (image.bitsPerPixel == 32) {
        sprite->makeHeapPixels();
        sprite->makeAlphaMap(0);
    } else if (!sprite->makeSurface()) {
        sprite->makeHeapPixels();
    }
    sprite->Lock();
    if (!sprite->pPixels)
        return;
    for (int i = 0; i < sprite->nStored; ++i)
        image.GetFrame(reinterpret_cast<std::uint8_t*>(sprite->row(i * sprite->nHeight)), sourceFrame(image, i), 2,
                       sprite->nPitch, ScreenFormat.redBits, ScreenFormat.greenBits, ScreenFormat.blueBits, 0,
                       ScreenFormat.redShift, ScreenFormat.greenShift, ScreenFormat.blueShift, 0, sprite->nWidth,
                       sprite->nHeight);
    if (sprite->pAlpha)
        writeAlphaFrames(sprite, image);
    else if (!std::strstr(sprite->szName, ".jpg") && frameZeroHasBlack(sprite))
        sprite->bMask = 1;
}

// The alpha companion replaces the image's alpha map. It must match the
// image's size and frames; one that does not is refused, so the map never
// disagrees with the pixels.
void loadCompanion(Sprite* sprite)
{
    auto image = imageCreateByName(sprite->szMaskName);
    if (!image || image->Load(sprite->szMaskName) != 0 || !(sprite->pPixels || sprite->lpSurface))
        return;
    Sprite sizes;
    if (!takeSizes(&sizes, *image))
        return;
    if (sizes.nWidth != sprite->nWidth || sizes.nHeight != sprite->nHeight || sizes.nStored != sprite->nStored) {
        GERR_REPORT("alpha companion does not match its picture");
        gerrAppend(sprite->szMaskName);
        return;
    }
    sprite->nFrames = sizes.nFrames;
    sprite->makeAlphaMap(0);
    writeAlphaFrames(sprite, *image);
}

void makeBlank(Sprite* sprite)
{
    if (sprite->nWidth > 0 && sprite->nHeight > 0 && !sprite->makeSurface())
        sprite->makeHeapPixels();
}

}  // namespace

void spriteLoad(Sprite* sprite)
{
    sprite->releaseImage();
    if (!sprite->szName[0]) {
        sprite->setFullClip();
        makeBlank(sprite);
        return;
    }
    bool unknownFormat = false;
    FileBlock block;
    if (fileLoad(sprite->szName, block) != 0) {
        makeBlank(sprite);
    } else if (auto image = imageCreateByName(sprite->szName)) {
        decodeImage(sprite, *image, std::move(block));
    } else {
        platform::showMessageBox(sprite->szName, "unknown file format");
        unknownFormat = true;
    }
    if (sprite->szMaskName[0])
        loadCompanion(sprite);
    if (sprite->nWidth == 0 && !unknownFormat)
        platform::showMessageBox(sprite->szName, "file not found");
    sprite->setFullClip();
}

Sprite* graphLoadSprite(const char* name, const char* companion, int reload)
{
    if (!name || !*name)
        return nullptr;
    const std::string wanted(name, std::min<std::size_t>(std::strlen(name), kNameSize - 1));
    if (Sprite* found = graphFindSprite(wanted.c_str())) {
        if (reload)
            spriteLoad(found);
        return found;
    }
    Sprite* sprite = graphRegister(std::make_unique<Sprite>());
    copyName(sprite->szName, wanted);
    copyName(sprite->szMaskName, companion ? std::string(companion) : spriteCompanionName(wanted));
    spriteLoad(sprite);
    return sprite;
}

Sprite* graphCreateSprite(int width, int height, const char* name)
{
    Sprite* sprite = graphRegister(std::make_unique<Sprite>());
    copyName(sprite->szName, name ? name : "");
    sprite->nWidth = static_cast<std::int16_t>(width);
    sprite->nHeight = static_cast<std::int16_t>(height);
    spriteLoad(sprite);
    return sprite;
}

Sprite* graphCreateAlphaSprite(int width, int height, const char* name, int alpha)
{
    Sprite* sprite = graphCreateSprite(width, height, name);
    // Sized to the sprite as made, which a readable file may have changed.
    sprite->makeAlphaMap(static_cast<std::uint8_t>(alpha));
    return sprite;
}
