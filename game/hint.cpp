// The hint: after ten seconds of rest the first possible move plays the
// two gifts' hint animation.

#include "game/game_field.h"

#include <algorithm>

void GameField::runHint(int move, int ms)
{
    const int first = pairFirst(move);
    const int second = pairSecond(move);
    const int lower = std::min(first, second);
    if (screen.showTip(0, cell(lower).x + 20, cell(lower).y + 20))
        return;
    hintTimer += ms;
    if (hintTimer <= HINT_DELAY_MS || first == selectedCell || second == selectedCell)
        return;
    for (int index : {first, second}) {
        if (Gift* gift = cell(index).gift) {
            gift->helpState = 1;
            gift->helpOffset = index == first ? 1 : 0;
        }
    }
    playSound("help");
    hintTimer = 0;
}
