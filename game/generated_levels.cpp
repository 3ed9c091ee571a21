#include "game/generated_levels.h"

#include "game/game_field.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::array<int, 8>, 5> COLOUR_ORDER = {{
    {2, 4, 3, 0, 1, 6, 7, 5},
    {1, 2, 4, 7, 3, 0, 5, 6},
    {6, 3, 2, 4, 0, 7, 1, 5},
    {5, 3, 0, 1, 6, 2, 7, 4},
    {4, 3, 1, 2, 0, 7, 6, 5},
}};

int cubeColours(int level)
{
    if (level <= 2)
        return 2;
    if (level <= 9)
        return 3;
    return std::min(level / 10 + 3, 8);
}

}  // namespace

int goalFor(int level) { return 60 * level + 840; }

void setGeneratedLevel(GameField& field, int level)
{
    const int colours = field.mode == MODE_CUBE ? cubeColours(level) : std::min((level - 1) / 5 + 5, 8);
    const auto& order = COLOUR_ORDER[static_cast<std::size_t>((level - 1) % 5)];
    for (int c = 0; c < ORDINARY_COLOURS; ++c)
        field.GIFTS[static_cast<std::size_t>(c)] = 0;
    for (int n = 0; n < colours; ++n)
        field.GIFTS[static_cast<std::size_t>(order[static_cast<std::size_t>(n)])] = 1;
    if (field.mode == MODE_CUBE) {
        field.BONUSES[0] = level < 13 ? 0 : 30;
        field.BONUSES[1] = level < 6 ? 0 : 50;
    }
}
