// Clearing a matched gift: chains, bad gifts, the cell's background, the
// score entry and colour tally, and the dying gift's cell.

#include "game/game_field.h"

namespace {

// Score codes handed to the scorer, by what the clearing did.
constexpr int SCORE_PLAIN = 0;
constexpr int SCORE_LAYER = 1;
constexpr int SCORE_SPECIAL_CELL = 2;
constexpr int SCORE_NONE = 3;  // the player's own bad line
constexpr int SCORE_BAD_CASCADE = 4;

}  // namespace

void GameField::clearCell(int index, bool immediate)
{
    Cell& c = cell(index);
    Gift* gift = c.gift;
    if (!gift)
        return;
    if (immediate) {
        c.gift = nullptr;
        removeGift(gift);
        return;
    }
    const int x = centreX(index);
    const int y = centreY(index);
    if (gift->state == GIFT_IDLE) {
        if (gift->lock > 0) {
            --gift->lock;
            redraw = true;
            c.removed = c.busy = true;
            ++removedSinceScoring;
            ++removedThisMove;
            screen.raiseChain();
            playSound("block");
            effects().SpawnChunks(x, y, gift->lock);
            effects().SpawnGiftBurst(x, y, 7);
            return;
        }
        int code = SCORE_PLAIN;
        if (gift->colour == COLOUR_BAD) {
            if (scoringSteps != 0) {
                playSound("badremove");
                code = SCORE_BAD_CASCADE;
            } else {
                // The player lined up bad gifts: the cells gain a layer.
                if (c.background < BACKGROUND_LAYER2) {
                    ++c.background;
                    ++layers;
                    code = SCORE_NONE;
                    redraw = true;
                }
                playSound("bad");
            }
        } else if (c.background == BACKGROUND_SCORE) {
            collectScoreCell(index, true);
            code = SCORE_SPECIAL_CELL;
        } else if (c.background == BACKGROUND_WAND) {
            collectWandCell(index, true);
            code = SCORE_SPECIAL_CELL;
        } else if (c.background != BACKGROUND_PLAIN) {
            removeLayer(index);
            code = SCORE_LAYER;
        }
        if (code == SCORE_SPECIAL_CELL || code == SCORE_LAYER)
            redraw = true;
        ++removedSinceScoring;
        ++removedThisMove;
        if (mode != MODE_PUZZLE && code != SCORE_NONE)
            screen.queueScore(index + 1000 * (code == SCORE_BAD_CASCADE ? 3 : code));
    }
    // Also the second clearing of a gift on a crossing.
    if (gift->colour < ORDINARY_COLOURS)
        tallyColour(gift->colour, index);
    gift->state = GIFT_DYING;
    gift->animating = true;
    redraw = true;
    effects().SpawnGiftBurst(x, y, gift->colour);
    c.removed = c.busy = true;
}

void GameField::tallyColour(int colour, int index)
{
    const auto slot = static_cast<std::size_t>(colour);
    const int tally = ++colourTally[slot];
    const int meanX = colourMean[slot] % 1000;
    const int meanY = colourMean[slot] / 1000;
    const int x = meanX + (centreX(index) - meanX) / tally;
    const int y = meanY + (centreY(index) - meanY) / tally;
    colourMean[slot] = x + 1000 * y;
}

bool GameField::updateCell(int index, int ms)
{
    Cell& c = cell(index);
    if (c.selected && c.gift)
        c.gift->timer += ms;
    if (!c.present || !c.busy)
        return false;
    if (c.removed)
        moveMade = true;
    Gift* gift = c.gift;
    if (gift && gift->dead) {
        c.gift = nullptr;
        removeGift(gift);
        c.busy = false;
    } else if (!gift || gift->state == GIFT_IDLE) {
        c.busy = false;
    }
    return true;
}
