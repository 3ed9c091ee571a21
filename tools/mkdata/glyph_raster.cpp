#include "tools/mkdata/glyph_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

namespace mkdata {

struct GlyphRaster::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Library()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

GlyphRaster::GlyphRaster(const std::string& fontFile, int pixelSize) : ft_(std::make_unique<Library>())
{
    if (FT_Init_FreeType(&ft_->library) || FT_New_Face(ft_->library, fontFile.c_str(), 0, &ft_->face))
        throw std::runtime_error("cannot open the font " + fontFile + " (install its package, scripts/deps.sh)");
    FT_Set_Pixel_Sizes(ft_->face, 0, FT_UInt(pixelSize));
}

GlyphRaster::~GlyphRaster() = default;

bool GlyphRaster::render(unsigned codePoint, GlyphBitmap& out) const
{
    FT_UInt index = FT_Get_Char_Index(ft_->face, codePoint);
    if (index == 0 || FT_Load_Glyph(ft_->face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL))
        return false;
    const FT_GlyphSlot slot = ft_->face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = int(bitmap.width);
    out.height = int(bitmap.rows);
    out.advance = int(std::lround(slot->advance.x / 64.0));
    out.coverage.assign(std::size_t(out.width) * out.height, 0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.coverage[std::size_t(y) * out.width + x] = bitmap.buffer[y * bitmap.pitch + x];
    return true;
}

}  // namespace mkdata
