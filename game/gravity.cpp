// Falling and refill: gifts drop into gaps (animated during play, at once
// while a board is prepared), new gifts grow in the cells that stay empty,
// and a prepared or refilled board is made to hold a move.

#include "foundation/game_random.h"
#include "foundation/gerr.h"
#include "game/game_field.h"

namespace {

// Bounds for level data that cannot give a playable board.
constexpr int MAX_PREPARE_ROUNDS = 1000;
constexpr int MAX_REPLACEMENTS = 20000;
constexpr int MAX_RECOLOURINGS = 1000;

}  // namespace

void GameField::gravityAnimated()
{
    for (int k = 0; k < width; ++k) {
        for (int r = height - 1; r >= 0; --r) {
            const int target = r * width + k;
            Cell& c = cell(target);
            if (c.gift || !c.present)
                continue;
            Gift* falling = nullptr;
            int source = target - width;
            for (; source >= 0; source -= width) {
                const Cell& above = cell(source);
                if (!above.present || (above.gift && above.gift->lock > 0))
                    break;
                if (above.gift && above.gift->state == GIFT_IDLE) {
                    falling = above.gift;
                    break;
                }
            }
            if (falling) {
                cell(source).gift = nullptr;
                if (falling->vy == 0.0f)
                    falling->vy = static_cast<float>((target - source) / width) * fallVelocity;
                falling->target = static_cast<float>(centreY(target));
                falling->state = GIFT_FALLING;
            } else if (mode == MODE_PUZZLE) {
                continue;
            } else {
                falling = &makeGift(false);
                placeGift(target, *falling);
                falling->state = GIFT_GROWING;
                falling->width = falling->height = 0.0f;
                // New gifts appear in a wave from the top-left.
                falling->timer = 5 * (4 * (r - k) - target - 10);
            }
            c.gift = falling;
            c.busy = true;
        }
    }
}

void GameField::gravityInstant()
{
    for (int k = 0; k < width; ++k) {
        for (int r = height - 1; r >= 0; --r) {
            const int target = r * width + k;
            Cell& c = cell(target);
            if (c.gift || !c.present)
                continue;
            for (int source = target - width; source >= 0 && cell(source).present; source -= width) {
                if (Gift* gift = cell(source).gift) {
                    gift->y = static_cast<float>(centreY(target));
                    c.gift = gift;
                    cell(source).gift = nullptr;
                    break;
                }
            }
        }
    }
}

void GameField::prepareBoard()
{
    // The cube mode removes ready-made squares: with its two or three
    // colours a random board without lines of three hardly ever comes up.
    int rounds = 0;
    while (mode == MODE_CUBE ? scanSquares(true) : scanLines(true)) {
        gravityInstant();
        fillEmptyCells();
        if (++rounds == MAX_PREPARE_ROUNDS) {
            GERR_REPORT("the board keeps forming lines while it is prepared; it is played as it is");
            return;
        }
    }
    for (int replaced = 0;; ++replaced) {
        applyPendingLocks();
        if (findMove() != 0 && !hasLine())
            return;
        if (replaced == MAX_REPLACEMENTS || !replaceRandomGift()) {
            GERR_REPORT("the level's colours cannot give a board with a move and no line; it is played as it is");
            return;
        }
    }
}

bool GameField::replaceRandomGift()
{
    bool anyFree = false;
    for (int i = 0; i < count && !anyFree; ++i)
        anyFree = cell(i).present && isUnlocked(i);
    if (!anyFree)
        return false;
    for (;;) {
        const int index = gameRandom.nextUnsigned() * count / 32768;
        Cell& c = cell(index);
        if (!c.gift || c.gift->lock != 0)
            continue;
        Gift* old = c.gift;
        c.gift = nullptr;
        removeGift(old);
        placeGift(index, makeGift(true));
        return true;
    }
}

void GameField::ensureMove()
{
    for (int recolourings = 0;; ++recolourings) {
        if (hasLine() || findMove() != 0)
            return;
        if (recolourings == MAX_RECOLOURINGS) {
            if (mode == MODE_ACTION || mode == MODE_CUBE)
                screen.fillGoal();
            screen.reportWon();
            return;
        }
        recolourGrowing();
    }
}

void GameField::recolourGrowing()
{
    for (int i = 0; i < count; ++i) {
        Gift* gift = cell(i).gift;
        if (!cell(i).present || !gift || gift->state != GIFT_GROWING)
            continue;
        int colour = gameRandom.nextUnsigned() / 4096;
        while (!colourEnabled(colour))
            colour = gameRandom.nextUnsigned() / 4096;
        if (gift->kind != KIND_RAINBOW)
            gift->colour = colour;
    }
}
