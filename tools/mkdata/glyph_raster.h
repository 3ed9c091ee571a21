#pragma once
// Glyphs rendered by FreeType from the freely licensed fonts of Debian's
// font packages, as coverage bitmaps placed on a baseline.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace mkdata {

// Font files at their fixed Debian paths (packages fonts-comfortaa,
// fonts-lobster, fonts-quicksand; all under the SIL Open Font License).
inline const char* const kComfortaaBold = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
inline const char* const kLobster = "/usr/share/fonts/opentype/lobster/lobster.otf";
inline const char* const kQuicksandBold = "/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf";
inline const char* const kQuicksandMedium = "/usr/share/fonts/truetype/quicksand/Quicksand-Medium.ttf";

struct GlyphBitmap {
    int left = 0;     // from the pen position to the first column
    int top = 0;      // from the baseline up to the first row
    int width = 0, height = 0;
    int advance = 0;  // pen advance in whole pixels
    std::vector<std::uint8_t> coverage;
};

class GlyphRaster {
public:
    GlyphRaster(const std::string& fontFile, int pixelSize);
    ~GlyphRaster();
    GlyphRaster(const GlyphRaster&) = delete;
    GlyphRaster& operator=(const GlyphRaster&) = delete;

    // False when the font has no glyph for the code point.
    bool render(unsigned codePoint, GlyphBitmap& out) const;

private:
    struct Library;
    std::unique_ptr<Library> ft_;
};

}  // namespace mkdata
