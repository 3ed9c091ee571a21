#include "graphics/image_file.h"

// AVI, BMP and RDR files are not decoded from memory, so as sprites they
// stay empty: the base decoder refuses them.
std::unique_ptr<ImageFile> imageCreateAnimation(const char*) { return std::make_unique<ImageFile>(); }
