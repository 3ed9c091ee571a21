#pragma once
// Checks that a board is consistent, for tests and long simulated runs:
// every gift on a cell is in the gift list and on one cell only, holes hold
// no gift, the layer counter matches the backgrounds, and no cell stays
// busy for ever.

#include "game/level_map.h"

#include <array>
#include <string>

class GameField;

class FieldInvariants {
public:
    // Longest time a cell may stay busy: the longest animation (a birth
    // delay and growth, or a fall from the top row) takes about a second;
    // this matches the time fieldsim gives a board to come to rest.
    static constexpr int MAX_BUSY_MS = 120000;

    // Checks the board after a frame of ms; "" when consistent, otherwise
    // the first broken rule in words.
    std::string check(const GameField& field, int ms);

private:
    std::array<int, MAX_CELLS> busyMs_ {};
};
