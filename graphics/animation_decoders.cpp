#include "graphics/avi_image.h"
#include "graphics/image_file.h"
#include "graphics/tva_image.h"

#include <string_view>

namespace {

// The generated animation: its file's contents are not read, and it has
// nothing to decode from memory.
class RdrImage : public ImageFile {
public:
    int Load(const char*) override
    {
        width = height = 256;
        bitsPerPixel = 24;
        storedFrames = 20;
        totalFrames = 4000;
        return 0;
    }
};

}  // namespace

// BMP files have no decoding from memory here, so as sprites they stay
// empty: the base decoder refuses them.
std::unique_ptr<ImageFile> imageCreateAnimation(const char* pattern)
{
    const std::string_view kind(pattern);
    if (kind == ".avi")
        return std::make_unique<AviImage>();
    if (kind == ".tva")
        return std::make_unique<TvaImage>();
    if (kind == ".rdr")
        return std::make_unique<RdrImage>();
    return std::make_unique<ImageFile>();
}
