// The random choice of new gifts, drawn from the shared generator in a
// fixed order so a board can be reproduced from its seed.

#include "foundation/game_random.h"
#include "game/game_field.h"

int GameField::drawChoice(int outcomes) { return gameRandom.nextUnsigned() * outcomes / 32768; }

bool GameField::drawChance(int perThousand) { return gameRandom.nextUnsigned() * 1000 / 32768 < perThousand; }

bool GameField::colourEnabled(int colour) const
{
    if (colour < ORDINARY_COLOURS && noOrdinaryColour_)
        return true;
    return GIFTS[static_cast<std::size_t>(colour)] != 0;
}

Gift& GameField::makeGift(bool initial)
{
    const int range = (badGiftsAllowed && !initial) ? 9 : 8;
    int colour = drawChoice(range);
    bool accepted = colour == COLOUR_BAD && drawChoice(5) == 0;
    while (!accepted) {
        if (colourEnabled(colour))
            accepted = colour != COLOUR_BAD || drawChoice(5) == 0;
        if (!accepted)
            colour = drawChoice(range);
    }

    Gift& gift = addGift();
    gift.colour = colour;
    if (initial)
        return gift;
    // The chances are drawn for bad gifts too, which never become special.
    if (BONUSES[1] != 0 && drawChance(BONUSES[1]) && colour != COLOUR_BAD) {
        gift.kind = KIND_RAINBOW;
        gift.colour = COLOUR_RAINBOW;
        return gift;
    }
    if (BONUSES[0] != 0 && drawChance(BONUSES[0]) && colour != COLOUR_BAD)
        gift.kind = KIND_TELEPORT;
    return gift;
}
