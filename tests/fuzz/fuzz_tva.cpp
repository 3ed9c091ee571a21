// Any bytes given to the tva decoder decode and convert without reading
// outside the block.
#include "fuzz_image_common.h"
#include "graphics/tva_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TvaImage image;
    decodeAndConvert(image, data, size);
    return 0;
}
