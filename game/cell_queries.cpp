// Questions the rules ask about single cells.

#include "game/game_field.h"

#include <cstdlib>

bool GameField::isSelectable(int index) const
{
    const Cell& c = cell(index);
    return c.present && c.gift && c.gift->lock == 0 && !c.gift->dead;
}

bool GameField::isUnlocked(int index) const
{
    const Gift* gift = cell(index).gift;
    return gift && gift->lock == 0;
}

bool GameField::areNeighbours(int a, int b) const
{
    const int columns = std::abs(column(a) - column(b));
    const int rows = std::abs(row(a) - row(b));
    return columns + rows == 1;
}

int GameField::colourAt(int index) const
{
    const Cell& c = cell(index);
    return c.present && c.gift ? c.gift->colour : -1;
}

void GameField::playSound(std::string_view name) { media.playSound(name, 0, 0, 0, 0); }
