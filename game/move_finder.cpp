// The move finder: the first swap that would complete a line of three (a
// square in the cube mode), searched in a fixed order of window families
// and patterns so the hint always points at the same move.

#include "game/game_field.h"

#include <array>

int GameField::findMove() const { return mode == MODE_CUBE ? findCubeMove() : findLineMove(); }

namespace {

// The board as the finder reads it, taken once per search: the windows
// overlap many times over.
struct BoardView {
    std::array<int, MAX_CELLS> colour;
    std::array<bool, MAX_CELLS> hasGift, unlocked, selectable;

    explicit BoardView(const GameField& field)
    {
        for (int i = 0; i < field.count; ++i) {
            const auto n = static_cast<std::size_t>(i);
            colour[n] = field.colourAt(i);
            hasGift[n] = field.cell(i).gift != nullptr;
            unlocked[n] = field.isUnlocked(i);
            selectable[n] = field.isSelectable(i);
        }
    }
    int c(int i) const { return colour[static_cast<std::size_t>(i)]; }
};

// Four cells in a line: X X _ X or X _ X X.
struct LineWindow {
    const BoardView& board;
    int c0, c1, c2, c3;

    // The move, or 0 (also when a locked gift blocks the first case).
    int move() const
    {
        const int x = board.c(c0);
        if (x < 0 || board.c(c3) != x)
            return 0;
        const auto at = [](int i) { return static_cast<std::size_t>(i); };
        if (board.c(c2) == x && board.hasGift[at(c1)])
            return board.unlocked[at(c0)] && board.unlocked[at(c1)] ? pairOf(c1, c0) : 0;
        if (board.c(c1) == x && board.hasGift[at(c2)] && board.unlocked[at(c2)] && board.unlocked[at(c3)])
            return pairOf(c2, c3);
        return 0;
    }
};

// Two lines of three cells side by side: a = the first line (left column
// or top row), b = the second; pair r is the r-th cell of each.
struct TwinWindow {
    const BoardView& board;
    std::array<int, 3> a, b;

    int colour(const std::array<int, 3>& line, int r) const { return board.c(line[static_cast<std::size_t>(r)]); }
    bool selectable(int r) const
    {
        return board.selectable[static_cast<std::size_t>(a[static_cast<std::size_t>(r)])] &&
               board.selectable[static_cast<std::size_t>(b[static_cast<std::size_t>(r)])];
    }
    int swapAB(int r) const { return pairOf(a[static_cast<std::size_t>(r)], b[static_cast<std::size_t>(r)]); }
    int swapBA(int r) const { return pairOf(b[static_cast<std::size_t>(r)], a[static_cast<std::size_t>(r)]); }
};

// The first candidate colour is the first line's first cell; both window
// families try it the same way.
int firstColourMove(const TwinWindow& w)
{
    const int x = w.colour(w.a, 0);
    const int a1 = w.colour(w.a, 1), a2 = w.colour(w.a, 2);
    const int b1 = w.colour(w.b, 1), b2 = w.colour(w.b, 2);
    if (x < 0 || (a1 != x && b1 != x) || (a2 != x && b2 != x))
        return 0;
    if (a1 == x && b2 == x && w.selectable(2))
        return w.swapAB(2);
    if (b1 == x && b2 == x && w.selectable(0))
        return w.swapBA(0);
    if (a2 == x && b1 == x && w.selectable(1))
        return w.swapAB(1);
    return 0;
}

// The second candidate: the second line's first cell, when it differs.
bool secondColourFits(const TwinWindow& w, int& y)
{
    y = w.colour(w.b, 0);
    const int a1 = w.colour(w.a, 1), a2 = w.colour(w.a, 2);
    const int b1 = w.colour(w.b, 1), b2 = w.colour(w.b, 2);
    return y >= 0 && y != w.colour(w.a, 0) && (a1 == y || b1 == y) && (a2 == y || b2 == y);
}

// Two columns by three rows: a = the left column, b = the right one.
int rowWindowsMove(const TwinWindow& w)
{
    if (int move = firstColourMove(w))
        return move;
    int y = -1;
    if (!secondColourFits(w, y))
        return 0;
    const int l1 = w.colour(w.a, 1), l2 = w.colour(w.a, 2);
    const int r1 = w.colour(w.b, 1), r2 = w.colour(w.b, 2);
    if (r1 == y && l2 == y && w.selectable(2))
        return w.swapBA(2);
    if (l1 == y && l2 == y && w.selectable(0))
        return w.swapAB(0);
    if (l1 == y && r2 == y && w.selectable(1))
        return w.swapBA(1);
    return 0;
}

// Three columns by two rows: a = the top row, b = the bottom row.
int columnWindowsMove(const TwinWindow& w)
{
    if (int move = firstColourMove(w))
        return move;
    int y = -1;
    if (!secondColourFits(w, y))
        return 0;
    const int t1 = w.colour(w.a, 1), t2 = w.colour(w.a, 2);
    const int b1 = w.colour(w.b, 1), b2 = w.colour(w.b, 2);
    if (b1 == y && t2 == y && w.selectable(2))
        return w.swapBA(2);
    if (t1 == y && b2 == y && w.selectable(1))
        return w.swapBA(1);
    if (t1 == y && t2 == y && w.selectable(0))
        return w.swapAB(0);
    return 0;
}

}  // namespace

int GameField::findLineMove() const
{
    const BoardView board(*this);
    const int w = width;
    for (int r = 0; r < height; ++r) {
        for (int j = 0; j + 3 < width; ++j) {
            const int i = r * w + j;
            if (int move = LineWindow {board, i, i + 1, i + 2, i + 3}.move())
                return move;
        }
    }
    for (int k = 0; k < width; ++k) {
        for (int j = 0; j + 3 < height; ++j) {
            const int i = j * w + k;
            if (int move = LineWindow {board, i, i + w, i + 2 * w, i + 3 * w}.move())
                return move;
        }
    }
    for (int i = 0; i + 2 < height; ++i) {
        for (int j = 0; j + 1 < width; ++j) {
            const int top = i * w + j;
            TwinWindow window {board, {top, top + w, top + 2 * w}, {top + 1, top + w + 1, top + 2 * w + 1}};
            if (int move = rowWindowsMove(window))
                return move;
        }
    }
    for (int j = 0; j + 1 < height; ++j) {
        for (int k = 0; k + 2 < width; ++k) {
            const int top = j * w + k;
            TwinWindow window {board, {top, top + 1, top + 2}, {top + w, top + w + 1, top + w + 2}};
            if (int move = columnWindowsMove(window))
                return move;
        }
    }
    return 0;
}

namespace {

struct CubePattern {
    std::array<int, 4> cells;  // of the window's six
    int first, second;  // the move, as window cells
};

// Windows of two columns by three rows (A) and three columns by two rows
// (B), cells numbered row by row.
constexpr std::array<CubePattern, 4> SHAPE_A = {{
    {{1, 2, 4, 5}, 3, 1},
    {{0, 3, 4, 5}, 2, 0},
    {{0, 1, 3, 4}, 4, 2},
    {{0, 1, 2, 5}, 5, 3},
}};
constexpr std::array<CubePattern, 4> SHAPE_B = {{
    {{0, 2, 3, 4}, 2, 1},
    {{0, 1, 3, 5}, 5, 4},
    {{0, 2, 4, 5}, 1, 0},
    {{1, 2, 3, 5}, 4, 3},
}};

using Colours = std::array<int, MAX_CELLS>;

int cubeWindowMove(const Colours& colours, const std::array<int, 6>& cells,
                   const std::array<CubePattern, 4>& patterns, int x, int y)
{
    for (const CubePattern& pattern : patterns) {
        for (int colour : {x, y}) {
            if (colour < 0)
                continue;
            bool all = true;
            for (int n : pattern.cells)
                all = all && colours[static_cast<std::size_t>(cells[static_cast<std::size_t>(n)])] == colour;
            if (all)
                return pairOf(cells[static_cast<std::size_t>(pattern.first)],
                              cells[static_cast<std::size_t>(pattern.second)]);
        }
    }
    return 0;
}

}  // namespace

int GameField::findCubeMove() const
{
    // The colours are read once: the windows overlap six times over.
    Colours colours;
    for (int i = 0; i < count; ++i)
        colours[static_cast<std::size_t>(i)] = colourAt(i);
    auto colour = [&colours](int i) { return colours[static_cast<std::size_t>(i)]; };
    const int w = width;
    for (int i = 0; i < count - 2 * w; ++i) {
        if (column(i) > w - 2)
            continue;
        const std::array<int, 6> cells = {i, i + 1, i + w, i + w + 1, i + 2 * w, i + 2 * w + 1};
        const int x = colour(i), y = colour(i + 1);
        if (x < 0 && y < 0)
            continue;
        if (int move = cubeWindowMove(colours, cells, SHAPE_A, x, y))
            return move;
    }
    for (int i = 0; i < count - w; ++i) {
        if (column(i) > w - 3)
            continue;
        const std::array<int, 6> cells = {i, i + 1, i + 2, i + w, i + w + 1, i + w + 2};
        if (int move = cubeWindowMove(colours, cells, SHAPE_B, colour(i), colour(i + w)))
            return move;
    }
    return 0;
}
