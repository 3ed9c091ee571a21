#include "tools/mkdata/preview.h"

#include "tools/common/image_files.h"
#include "tools/mkdata/border_tiles.h"
#include "tools/mkdata/canvas.h"
#include "tools/common/font_metrics.h"

#include "platform/paths.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace mkdata {
namespace fs = std::filesystem;
namespace {

struct Loaded {
    std::string name;  // relative path in the run folder
    Image image;
};

bool load(const std::string& name, Image& out)
{
    std::vector<std::uint8_t> bytes;
    DecodedPicture picture;
    if (!platform::readWholeFile(name, bytes) || !decodePicture(name, bytes, picture))
        return false;
    out = picture.image;
    // A companion's alpha, as the sprite loader applies it.
    std::string companion = name;
    std::size_t slash = companion.find_last_of("/\\");
    companion.insert(slash == std::string::npos ? 0 : slash + 1, "_");
    companion = companion.substr(0, companion.find_last_of('.')) + ".tga";
    DecodedPicture mask;
    if (platform::readWholeFile(companion, bytes) && decodeTga(bytes, mask) &&
        mask.image.pixels.size() == out.pixels.size()) {
        std::vector<std::uint8_t> alpha = companionAlpha(mask);
        for (std::size_t i = 0; i < alpha.size(); ++i)
            out.pixels[i] = (out.pixels[i] & 0x00FFFFFF) | (std::uint32_t(alpha[i]) << 24);
    }
    return true;
}

cairo_surface_t* surfaceOf(const Image& image)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t p = image.at(x, y);
            unsigned a = alphaOf(p);
            row[x] = argb(a, redOf(p) * a / 255, greenOf(p) * a / 255, blueOf(p) * a / 255);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

void paintImage(cairo_t* cr, const Image& image, double x, double y, double scale = 1.0)
{
    cairo_surface_t* s = surfaceOf(image);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void label(cairo_t* cr, const std::string& text, double x, double y)
{
    cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

void checker(cairo_t* cr, int w, int h)
{
    for (int y = 0; y < h; y += 16)
        for (int x = 0; x < w; x += 16) {
            double v = ((x + y) / 16) % 2 ? 0.32 : 0.26;
            cairo_set_source_rgb(cr, v, v * 0.9, v * 0.95);
            cairo_rectangle(cr, x, y, 16, 16);
            cairo_fill(cr);
        }
}

void save(Canvas& canvas, const fs::path& file)
{
    cairo_surface_write_to_png(cairo_get_target(canvas.cr()), file.string().c_str());
}

std::vector<std::string> picturesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
        std::string ext = entry.path().extension().string();
        std::string file = entry.path().filename().string();
        if ((ext == ".tga" || ext == ".jpg") && file[0] != '_')
            names.push_back(entry.path().lexically_relative(".").string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Strips (every picture taller than wide whose height is a multiple of its
// width or of a known frame count) with their frames side by side.
void stripSheet(const fs::path& file)
{
    std::vector<Loaded> strips;
    for (const std::string& name : picturesIn("data")) {
        Loaded l{name, {}};
        if (load(name, l.image) && l.image.height > l.image.width && l.image.height % l.image.width == 0 &&
            name.find("fonts") == std::string::npos && name.find("letters") == std::string::npos)
            strips.push_back(std::move(l));
    }
    int rowHeight = 0;
    for (const Loaded& l : strips)
        rowHeight += std::min(l.image.width, 96) + 18;
    Canvas canvas(1400, rowHeight + 10);
    checker(canvas.cr(), 1400, rowHeight + 10);
    int y = 4;
    for (const Loaded& l : strips) {
        int side = l.image.width, frames = l.image.height / side;
        double scale = side > 96 ? 96.0 / side : 1.0;
        label(canvas.cr(), l.name + "  (" + std::to_string(frames) + " frames)", 6, y + 10);
        for (int f = 0; f < frames; ++f) {
            Image frame(side, side);
            std::copy_n(l.image.pixels.begin() + std::ptrdiff_t(f) * side * side, side * side,
                        frame.pixels.begin());
            paintImage(canvas.cr(), frame, 6 + f * (side * scale + 4), y + 14, scale);
        }
        y += int(side * scale) + 18;
    }
    save(canvas, file);
}

enum class Sheet { Screens, Controls, Others };

Sheet sheetOf(const std::string& name, const Image& image)
{
    if (image.width >= 500 || image.height >= 500)
        return Sheet::Screens;
    bool control = name.find("menu") != std::string::npos || name.find("cursor") != std::string::npos ||
                   name.find("wand") != std::string::npos || name.find("hint") != std::string::npos ||
                   name.find("icon") != std::string::npos;
    return control ? Sheet::Controls : Sheet::Others;
}

// Every other picture scaled to fit a cell: screens (big pictures), the
// controls in all their states, and the rest, on one sheet each.
void pictureSheet(const fs::path& file, Sheet sheet)
{
    std::vector<Loaded> pictures;
    for (const std::string& name : picturesIn("data")) {
        Loaded l{name, {}};
        if (load(name, l.image) && !(l.image.height > l.image.width && l.image.height % l.image.width == 0) &&
            name.find("fonts") == std::string::npos && name.find("letters") == std::string::npos &&
            sheetOf(name, l.image) == sheet)
            pictures.push_back(std::move(l));
    }
    const bool screens = sheet == Sheet::Screens;
    const int kCellW = screens ? 420 : 200, kCellH = screens ? 340 : 170, kColumns = screens ? 4 : 7;
    int rows = int(pictures.size() + kColumns - 1) / kColumns;
    Canvas canvas(kCellW * kColumns, kCellH * rows);
    checker(canvas.cr(), kCellW * kColumns, kCellH * rows);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Image& im = pictures[i].image;
        double scale = std::min({1.0, (kCellW - 10.0) / im.width, (kCellH - 24.0) / im.height});
        int x = int(i % kColumns) * kCellW, y = int(i / kColumns) * kCellH;
        paintImage(canvas.cr(), im, x + 5, y + 4, scale);
        label(canvas.cr(), pictures[i].name + " " + std::to_string(im.width) + "x" + std::to_string(im.height),
              x + 4, y + kCellH - 6);
    }
    save(canvas, file);
}

// A board with holes, corners and single cells framed by the tiles, with
// cells and gifts on it.
void boardSheet(const fs::path& file)
{
    std::array<Image, kBorderTiles> tiles;
    for (int i = 0; i < kBorderTiles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "data\\tiles\\%02d.tga", i);
        load(name, tiles[std::size_t(i)]);
    }
    const char* shape[kBoardRows] = {"..####....#...", ".######..###..", "########.###..", "###..###.....#",
                                     "###..####..#..", "##########....", ".########..##.", "...####...###.",
                                     "#...##.#..###.", "##..........#."};
    std::array<bool, kBoardColumns * kBoardRows> present {};
    for (int r = 0; r < kBoardRows; ++r)
        for (int c = 0; c < kBoardColumns; ++c)
            present[std::size_t(r * kBoardColumns + c)] = shape[r][c] == '#';
    constexpr int kOrigin = 60;
    Image board(kOrigin * 2 + 48 * kBoardColumns, kOrigin * 2 + 48 * kBoardRows);
    Image back;
    if (load("data\\back\\back1.jpg", back))
        compositeOver(board, back, 0, 0);
    else
        std::fill(board.pixels.begin(), board.pixels.end(), argb(255, 90, 20, 40));
    drawBorderFrame(board, present, kOrigin, kOrigin, tiles);
    Image field, layer, gift;
    load("data\\field.tga", field);
    const char* layers[] = {"data\\cell0.tga", "data\\cell1.tga", "data\\cell_score.tga", "data\\cell_wand.tga"};
    for (int i = 0; i < kBoardColumns * kBoardRows; ++i) {
        if (!present[std::size_t(i)])
            continue;
        int x = kOrigin + (i % kBoardColumns) * 48, y = kOrigin + (i / kBoardColumns) * 48;
        compositeOver(board, field, x, y);
        if (i % 5 != 0 && load(layers[i % 4], layer))
            compositeOver(board, layer, x, y);
        char name[48];
        std::snprintf(name, sizeof name, "data\\gifts\\NONE\\active%d.tga", (i * 7) % 9);
        if (load(name, gift)) {
            gift.height = 48;
            gift.pixels.resize(48 * 48);
            compositeOver(board, gift, x, y);
        }
    }
    Canvas canvas(board.width, board.height);
    paintImage(canvas.cr(), board, 0, 0);
    save(canvas, file);
}

// Each font's sample text in every band, and the letter pictures.
void fontSheet(const fs::path& file)
{
    const char* fonts[] = {"data\\fonts\\fontmenu.tga", "data\\fonts\\fontStatic.tga", "data\\fonts\\font_dark.tga",
                           "data\\fonts\\font_help.tga", "data\\fonts\\combo.jpg"};
    Canvas canvas(1400, 900);
    checker(canvas.cr(), 1400, 900);
    int y = 8;
    for (const char* name : fonts) {
        Image sheet;
        FontMetrics metrics;
        std::vector<std::uint8_t> text;
        std::string fh = std::string(name).substr(0, std::string(name).size() - 3) + "fh";
        if (!load(name, sheet) || !platform::readWholeFile(fh, text) ||
            !parseFontMetrics(std::string(text.begin(), text.end()), metrics) || metrics.lineHeight <= 0)
            continue;
        label(canvas.cr(), name, 6, y + 10);
        y += 14;
        int bands = sheet.height / metrics.lineHeight;
        for (int band = 0; band < bands; ++band) {
            const char* sample = "Giftfall! Quest 1-5, Score 12 340 \xC4\xD6\xDC\xE9\xE8\xE7\xF1\xDF \xA9 ?&%";
            int x = 10;
            for (const char* c = sample; *c; ++c) {
                unsigned code = static_cast<unsigned char>(*c);
                if (code <= 32 || !metrics.glyphs[code].present) {
                    x += metrics.lineHeight / 2;
                    continue;
                }
                const Glyph& g = metrics.glyphs[code];
                Image glyph(g.width, metrics.lineHeight);
                for (int gy = 0; gy < metrics.lineHeight; ++gy)
                    for (int gx = 0; gx < g.width; ++gx)
                        glyph.at(gx, gy) = sheet.at(g.x + gx, g.y + gy + band * metrics.lineHeight);
                paintImage(canvas.cr(), glyph, x + g.before, y);
                x += g.before + g.width + g.after;
            }
            y += metrics.lineHeight + 4;
        }
    }
    int x = 10;
    y += 10;
    for (const std::string& name : picturesIn("data/letters")) {
        Image letter;
        if (!load(name, letter))
            continue;
        if (x + letter.width > 1390)
            x = 10, y += 70;
        paintImage(canvas.cr(), letter, x, y);
        x += letter.width + 2;
    }
    save(canvas, file);
}

}  // namespace

void writePreviews(const fs::path& folder)
{
    fs::create_directories(folder);
    boardSheet(folder / "board.png");
    stripSheet(folder / "strips.png");
    pictureSheet(folder / "pictures.png", Sheet::Others);
    pictureSheet(folder / "controls.png", Sheet::Controls);
    pictureSheet(folder / "screens.png", Sheet::Screens);
    fontSheet(folder / "fonts.png");
    std::printf("mkdata: contact sheets in %s\n", folder.string().c_str());
}

}  // namespace mkdata
