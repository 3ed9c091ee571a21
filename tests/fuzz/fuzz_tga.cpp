// Any bytes given to the tga decoder decode and convert without reading
// outside the block.
#include "fuzz_image_common.h"
#include "graphics/tga_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TgaImage image;
    decodeAndConvert(image, data, size);
    return 0;
}
