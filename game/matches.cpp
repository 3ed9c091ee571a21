// Finding lines of three or more (squares of four in the cube mode) and
// clearing them.

#include "game/game_field.h"

bool GameField::findMatches()
{
    const bool found = mode == MODE_CUBE ? scanSquares(false) : scanLines(false);
    if (found)
        moveMade = true;
    return found;
}

bool GameField::scanLines(bool immediate)
{
    bool found = false;
    for (int k = 0; k < width; ++k)
        found = scanLine(k, width, height, immediate) || found;
    for (int r = 0; r < height; ++r)
        found = scanLine(r * width, 1, width, immediate) || found;
    return found;
}

bool GameField::scanLine(int first, int step, int length, bool immediate)
{
    // A line with an animation still running is left for a later frame.
    for (int n = 0, i = first; n < length; ++n, i += step) {
        if (cell(i).busy && !cell(i).removed)
            return false;
    }
    bool found = false;
    int previous = -1;
    int run = 0;
    for (int n = 0, i = first; n < length; ++n, i += step) {
        const int colour = colourAt(i);
        if (colour < 0) {
            previous = -1;
            run = 0;
            continue;
        }
        if (colour != previous) {
            previous = colour;
            run = 1;
            continue;
        }
        ++run;
        if (run == 3) {
            found = true;
            clearCell(i - 2 * step, immediate);
            clearCell(i - step, immediate);
        }
        if (run >= 3)
            clearCell(i, immediate);
    }
    return found;
}

bool GameField::scanSquares(bool immediate)
{
    bool found = false;
    for (int i = 0; i < count - width; ++i) {
        if (column(i) > width - 2)
            continue;
        const int colour = colourAt(i);
        if (colour < 0 || colourAt(i + 1) != colour || colourAt(i + width) != colour ||
            colourAt(i + width + 1) != colour)
            continue;
        found = true;
        for (int square : {i, i + 1, i + width, i + width + 1})
            clearCell(square, immediate);
    }
    return found;
}

bool GameField::hasLine() const { return mode == MODE_CUBE ? anySquare() : anyLineOfThree(); }

bool GameField::anyLineOfThree() const
{
    for (int i = 0; i < count; ++i) {
        const int colour = colourAt(i);
        if (colour < 0)
            continue;
        if (column(i) <= width - 3 && colourAt(i + 1) == colour && colourAt(i + 2) == colour)
            return true;
        if (row(i) <= height - 3 && colourAt(i + width) == colour && colourAt(i + 2 * width) == colour)
            return true;
    }
    return false;
}

bool GameField::anySquare() const
{
    for (int i = 0; i < count - width; ++i) {
        const int colour = colourAt(i);
        if (colour >= 0 && column(i) <= width - 2 && colourAt(i + 1) == colour &&
            colourAt(i + width) == colour && colourAt(i + width + 1) == colour)
            return true;
    }
    return false;
}
