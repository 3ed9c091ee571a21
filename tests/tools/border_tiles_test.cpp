#include "tools/mkdata/border_tiles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace mkdata;
using Board = std::array<bool, kBoardColumns * kBoardRows>;
constexpr int kOrigin = 48;

const std::array<Image, kBorderTiles>& tiles()
{
    static const std::array<Image, kBorderTiles> all = [] {
        std::array<Image, kBorderTiles> t;
        for (int i = 0; i < kBorderTiles; ++i)
            t[std::size_t(i)] = borderTile(i);
        return t;
    }();
    return all;
}

Board fromRows(const std::array<const char*, kBoardRows>& rows)
{
    Board b {};
    for (int r = 0; r < kBoardRows; ++r)
        for (int c = 0; c < kBoardColumns; ++c)
            b[std::size_t(r * kBoardColumns + c)] = rows[std::size_t(r)][c] == '#';
    return b;
}

// Distance from a pixel centre to the nearest present cell (only cells of
// the neighbouring squares can lie closer than a square).
double distanceToBoard(const Board& b, double px, double py)
{
    double best = 1e9;
    int column = int(std::floor((px - kOrigin) / 48)), row = int(std::floor((py - kOrigin) / 48));
    for (int r = row - 1; r <= row + 1; ++r)
        for (int c = column - 1; c <= column + 1; ++c) {
            if (r < 0 || c < 0 || r >= kBoardRows || c >= kBoardColumns || !b[std::size_t(r * kBoardColumns + c)])
                continue;
            double x0 = kOrigin + c * 48, y0 = kOrigin + r * 48;
            double dx = std::max({x0 - px, 0.0, px - x0 - 48}), dy = std::max({y0 - py, 0.0, py - y0 - 48});
            best = std::min(best, std::hypot(dx, dy));
        }
    return best;
}

// The frame must run unbroken around every outline: opaque rail close to
// the cells, nothing far from them, and never anything on a cell.
void expectClosedFrame(const Board& board)
{
    Image target(kOrigin * 2 + 48 * kBoardColumns, kOrigin * 2 + 48 * kBoardRows);
    drawBorderFrame(target, board, kOrigin, kOrigin, tiles());
    int faults = 0;
    for (int y = 0; y < target.height && faults < 5; ++y)
        for (int x = 0; x < target.width && faults < 5; ++x) {
            double d = distanceToBoard(board, x + 0.5, y + 0.5);
            unsigned a = alphaOf(target.at(x, y));
            bool fine = d == 0 ? a == 0 : d < 9 ? a >= 250 : d > kBand + 1 ? a == 0 : true;
            if (!fine) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") at distance " << d << " has alpha " << a;
                ++faults;
            }
        }
}

TEST(BorderTiles, FrameAFullBoard)
{
    Board b;
    b.fill(true);
    expectClosedFrame(b);
}

TEST(BorderTiles, FrameHolesCornersAndSingleCells)
{
    const std::array<std::array<const char*, kBoardRows>, 3> boards = {{
        {"##############", "##############", "######.#######", "##############", "##..##########",
         "##..##########", "##############", "##############", "##############", "##############"},
        {"..####....#...", ".######..###..", "########.###..", "###..###.....#", "###..####..#..",
         "##########....", ".########..##.", "...####...###.", "#...##.#..###.", "##..........#."},
        {"#.#.#.#.#.#.#.", ".#.#.#.#.#.#.#", "#.#.#.#.#.#.#.", "..............", "......#.......",
         "..............", "##....#.....##", "#...........##", "..............", ".............#"},
    }};
    for (const auto& rows : boards)
        expectClosedFrame(fromRows(rows));
}

}  // namespace
