#include "graphics/image_file.h"

#include "graphics/jpeg_image.h"
#include "graphics/tga_image.h"
#include "platform/paths.h"

#include <string>

int ImageFile::Load(const char* name)
{
    FileBlock block;
    if (int result = fileLoad(name, block))
        return result;
    return Decode(std::move(block));
}

int ImageFile::Decode(FileBlock) { return -1; }

int ImageFile::GetChannel(std::uint8_t*, int, int, int, int, int, int, int) { return -1; }

int ImageFile::GetFrame(std::uint8_t*, int, int, int, int, int, int, int, int, int, int, int, int, int)
{
    return -1;
}

std::unique_ptr<ImageFile> imageCreateByName(const char* name)
{
    if (!name)
        return nullptr;
    std::string lower(name, std::min<std::size_t>(std::char_traits<char>::length(name), 1023));
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    enum Kind { Tga, Avi, Bmp, Jpg, Rdr, Tva };
    const char* patterns[] = { ".tga", ".avi", ".bmp", ".jpg", ".rdr", ".tva" };
    for (int kind = Tga; kind <= Tva; ++kind) {
        if (lower.find(patterns[kind]) == std::string::npos)
            continue;
        switch (kind) {
        case Tga: return std::make_unique<TgaImage>();
        case Jpg: return std::make_unique<JpegImage>();
        default: return imageCreateAnimation(patterns[kind]);
        }
    }
    return nullptr;
}

int fileLoad(const char* name, FileBlock& block)
{
    block.clear();
    if (!name || !platform::readWholeFile(name, block)) {
        block.clear();
        return -1;
    }
    return block.empty() ? -2 : 0;
}
