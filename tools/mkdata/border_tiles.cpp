#include "tools/mkdata/border_tiles.h"

#include "tools/mkdata/canvas.h"
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace mkdata {
namespace {

constexpr int kSquare = 48;

// Zone coordinates along one axis: the low strip, the middle, the high strip.
enum Span { Low, Mid, High };

struct Neighbour {
    int dx, dy;  // -1, 0, 1: which neighbouring cell is present
};

struct TileRole {
    Span x, y;
    std::vector<Neighbour> present;
};

constexpr Neighbour R{1, 0}, L{-1, 0}, U{0, -1}, D{0, 1};
constexpr Neighbour UR{1, -1}, UL{-1, -1}, DR{1, 1}, DL{-1, 1};

// The role of each tile, read off the order in which the frame is laid:
// a tile is drawn in a square whose neighbours are as listed, in one zone.
const std::array<TileRole, kBorderTiles>& tileRoles()
{
    static const std::array<TileRole, kBorderTiles> roles = {{
        {Low, High, {DL}},    // 0: outer corner, cell down-left
        {High, High, {DR}},   // 1: outer corner, cell down-right
        {High, Low, {UR}},    // 2: outer corner, cell up-right
        {Low, Low, {UL}},     // 3: outer corner, cell up-left
        {Low, High, {L, D}},  // 4: inner corner, cells left and below
        {High, High, {R, D}}, // 5: inner corner, cells right and below
        {High, Low, {R, U}},  // 6: inner corner, cells right and above
        {Low, Low, {L, U}},   // 7: inner corner, cells left and above
        {Low, Mid, {L}},      // 8: left side, middle
        {Mid, High, {D}},     // 9: lower side, middle
        {High, Mid, {R}},     // 10: right side, middle
        {Mid, Low, {U}},      // 11: upper side, middle
        {High, High, {R}},    // 12: right side, lower end
        {High, Low, {R}},     // 13: right side, upper end
        {Low, Low, {L}},      // 14: left side, upper end
        {Low, High, {L}},     // 15: left side, lower end
        {Low, High, {D}},     // 16: lower side, left end
        {High, High, {D}},    // 17: lower side, right end
        {Low, Low, {U}},      // 18: upper side, left end
        {High, Low, {U}},     // 19: upper side, right end
    }};
    return roles;
}

bool inSpan(Span s, double v)
{
    switch (s) {
    case Low: return v < kBand;
    case Mid: return v >= kBand && v < kSquare - kBand;
    default: return v >= kSquare - kBand;
    }
}

// Distance from a point of the square to the nearest present cell, and the
// unit direction pointing away from it.
double distanceTo(const std::vector<Neighbour>& cells, double px, double py, double& gx, double& gy)
{
    double best = 1e9;
    for (const Neighbour& n : cells) {
        double x0 = n.dx * kSquare, y0 = n.dy * kSquare;
        double ox = std::max({x0 - px, 0.0, px - (x0 + kSquare)});
        double oy = std::max({y0 - py, 0.0, py - (y0 + kSquare)});
        double d = std::hypot(ox, oy);
        if (d < best) {
            best = d;
            double sx = px < x0 ? -1 : (px > x0 + kSquare ? 1 : 0);
            double sy = py < y0 ? -1 : (py > y0 + kSquare ? 1 : 0);
            gx = d > 0 ? sx * ox / d : 0;
            gy = d > 0 ? sy * oy / d : 0;
        }
    }
    return best;
}

// The rail's colour at a distance from the board: a rounded golden bead
// wound with a red ribbon, lit from the top left, with a soft shadow
// outside it.
std::uint32_t railColour(double d, double gx, double gy, double px, double py)
{
    constexpr double kRail = 11.0;
    if (d >= kBand)
        return 0;
    if (d >= kRail) {
        double a = 0.4 * (1 - (d - kRail) / (kBand - kRail));
        return argb(unsigned(a * 255), 40, 10, 10);
    }
    double c = kRail / 2, u = (d - c) / c;
    double h = std::sqrt(std::max(0.0, 1 - u * u));
    double slope = -u / std::max(h, 0.15);
    double nx = -slope * gx * 0.8, ny = -slope * gy * 0.8, nz = 1;
    double len = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= len, ny /= len, nz /= len;
    const double lx = -0.5, ly = -0.6, lz = 0.62;
    double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
    double specular = std::pow(std::max(0.0, nz * 0.9 + (nx * lx + ny * ly) * 0.6), 18);
    // Diagonal ribbon stripes; 48 is a multiple of the period, so tiles join.
    double stripe = std::fmod(px + py + 480.0, 16.0);
    bool ribbon = stripe < 5.0 && std::abs(u) < 0.75;
    Rgb base = ribbon ? hex(0xd42a34) : hex(0xf0b43c);
    Rgb lit = base.scaled(0.35 + 0.85 * diffuse).mixed(hex(0xffffff), std::min(1.0, specular * 0.8));
    double edge = std::abs(u) > 0.88 ? 0.75 : 1.0;  // darker rim for a crisp outline
    auto to8 = [&](double v) { return unsigned(std::clamp(v * edge, 0.0, 1.0) * 255 + 0.5); };
    return argb(255, to8(lit.r), to8(lit.g), to8(lit.b));
}

}  // namespace

Image borderTile(int index)
{
    const TileRole& role = tileRoles()[std::size_t(index)];
    Image tile(kSquare, kSquare);
    constexpr int kSamples = 4;
    for (int y = 0; y < kSquare; ++y)
        for (int x = 0; x < kSquare; ++x) {
            if (!inSpan(role.x, x) || !inSpan(role.y, y))
                continue;
            double a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    double px = x + (sx + 0.5) / kSamples, py = y + (sy + 0.5) / kSamples;
                    double gx = 0, gy = 0;
                    double d = distanceTo(role.present, px, py, gx, gy);
                    std::uint32_t c = railColour(d, gx, gy, px, py);
                    double ca = alphaOf(c) / 255.0;
                    a += ca;
                    r += redOf(c) * ca;
                    g += greenOf(c) * ca;
                    b += blueOf(c) * ca;
                }
            if (a <= 0)
                continue;
            tile.at(x, y) = argb(unsigned(a / (kSamples * kSamples) * 255 + 0.5), unsigned(r / a + 0.5),
                                 unsigned(g / a + 0.5), unsigned(b / a + 0.5));
        }
    return tile;
}

void drawBorderFrame(Image& target, const std::array<bool, kBoardColumns * kBoardRows>& present, int ox, int oy,
                     const std::array<Image, kBorderTiles>& tiles)
{
    constexpr int W = kBoardColumns, H = kBoardRows, count = W * H;
    auto P = [&](int k) { return k >= 0 && k < count && present[std::size_t(k)]; };
    auto put = [&](int tile, int x, int y) { compositeOver(target, tiles[std::size_t(tile)], x, y); };
    for (int i = 0; i < count; ++i) {
        if (P(i))
            continue;
        int c = i % W, r = i / W, x = ox + c * kSquare, y = oy + r * kSquare;
        bool Rt = c < W - 1 && P(i + 1), Lt = c > 0 && P(i - 1), Up = r > 0 && P(i - W), Dn = r < H - 1 && P(i + W);
        if (c < W - 1 && Rt) {
            put(10, x, y);
            put(r < H - 1 ? (Dn ? 5 : 12) : 12, x, y);
            put(r > 0 && Up ? 6 : 13, x, y);
        }
        if (c < W - 1 && !Rt && r < H - 1 && !Dn && P(i + W + 1))
            put(1, x, y);
        if (r > 0 && c < W - 1 && !Rt && !Up && P(i - W + 1))
            put(2, x, y);
        if (c > 0 && Lt) {
            put(8, x, y);
            put(r < H - 1 ? (Dn ? 4 : 15) : 15, x, y);
            put(r > 0 && Up ? 7 : 14, x, y);
        }
        if (c > 0 && !Lt && r < H - 1 && !Dn && P(i + W - 1))
            put(0, x, y);
        if (c > 0 && r > 0 && !Up && P(i - W - 1) && !Lt)
            put(3, x, y);
        if (r < H - 1 && Dn) {
            put(9, x, y);
            if (c == W - 1 || !Rt)
                put(17, x, y);
            if (c == 0 || !Lt)
                put(16, x, y);
        }
        if (r > 0 && Up) {
            put(11, x, y);
            if (c == W - 1 || !Rt)
                put(19, x, y);
            if (c == 0 || !Lt)
                put(18, x, y);
        }
    }
    for (int c = 0; c < W; ++c) {
        int x = ox + c * kSquare, y = oy - kSquare;
        if (P(c)) {
            put(17, x, y), put(9, x, y), put(16, x, y);
        } else {
            if (c > 0 && P(c - 1))
                put(0, x, y);
            if (c < W - 1 && P(c + 1))
                put(1, x, y);
        }
    }
    for (int c = 0; c < W; ++c) {
        int i = count - W + c, x = ox + c * kSquare, y = oy + H * kSquare;
        if (P(i)) {
            put(19, x, y), put(11, x, y), put(18, x, y);
        } else {
            if (c > 0 && P(i - 1))
                put(3, x, y);
            if (c < W - 1 && P(i + 1))
                put(2, x, y);
        }
    }
    for (int r = 0; r < H; ++r) {
        int y = oy + r * kSquare;
        if (P(r * W))
            put(10, ox - kSquare, y), put(12, ox - kSquare, y), put(13, ox - kSquare, y);
        if (P(r * W + W - 1))
            put(14, ox + W * kSquare, y), put(15, ox + W * kSquare, y), put(8, ox + W * kSquare, y);
    }
    for (int r = 0; r + 1 < H; ++r) {
        int a = r * W, left = ox - kSquare, right = ox + W * kSquare;
        if (!P(a) && P(a + W))
            put(1, left, oy + r * kSquare);
        if (P(a) && !P(a + W))
            put(2, left, oy + (r + 1) * kSquare);
        if (P(a + W - 1) && !P(a + 2 * W - 1))
            put(3, right, oy + (r + 1) * kSquare);
        if (!P(a + W - 1) && P(a + 2 * W - 1))
            put(0, right, oy + r * kSquare);
    }
    if (P(0))
        put(1, ox - kSquare, oy - kSquare);
    if (P(W - 1))
        put(0, ox + W * kSquare, oy - kSquare);
    if (P(count - W))
        put(2, ox - kSquare, oy + H * kSquare);
    if (P(count - 1))
        put(3, ox + W * kSquare, oy + H * kSquare);
}

void addTileJobs(JobList& jobs)
{
    jobs.push_back({"data\\tiles", [](FileSet& out) {
                        for (int i = 0; i < kBorderTiles; ++i) {
                            char name[32];
                            std::snprintf(name, sizeof name, "data\\tiles\\%02d.tga", i);
                            addPicture(out, name, borderTile(i));
                        }
                    }, {}});
}

}  // namespace mkdata
