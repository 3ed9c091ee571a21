// Swapping two neighbouring gifts, and swapping them back when the swap
// completed nothing.

#include "game/game_field.h"

namespace {

constexpr int DIRECTION_RIGHT = 0;
constexpr int DIRECTION_UP = 1;
constexpr int DIRECTION_LEFT = 2;
constexpr int DIRECTION_DOWN = 3;

bool freeToMove(const Gift* gift) { return gift && gift->lock == 0 && gift->state == GIFT_IDLE; }

void startTravel(Gift& gift, int direction, float target, float speed)
{
    gift.direction = direction;
    gift.target = target;
    gift.vx = direction == DIRECTION_RIGHT ? speed : direction == DIRECTION_LEFT ? -speed : 0.0f;
    gift.vy = direction == DIRECTION_DOWN ? speed : direction == DIRECTION_UP ? -speed : 0.0f;
    gift.state = GIFT_SWAPPING;
}

}  // namespace

void GameField::swapCells(int a, int b)
{
    if (b >= count || a < 0 || a >= count || b < 0)
        return;
    busy = true;
    cell(a).swapPartner = b;
    cell(b).swapPartner = a;
    deselectCell(a);
    deselectCell(b);
    pendingSwapBack = a;
    if (mode == MODE_PUZZLE)
        pushSnapshot();
    swapMotion(a, b);
}

void GameField::swapMotion(int a, int b)
{
    Cell& first = cell(a);
    Cell& second = cell(b);
    if (!first.present || !second.present || !freeToMove(first.gift) || !freeToMove(second.gift))
        return;
    Gift& p = *first.gift;
    Gift& q = *second.gift;
    first.gift = &q;
    second.gift = &p;
    first.busy = second.busy = true;
    if (p.x < q.x) {
        startTravel(p, DIRECTION_RIGHT, q.x, giftVelocity);
        startTravel(q, DIRECTION_LEFT, p.x, giftVelocity);
    } else if (p.y < q.y) {
        startTravel(p, DIRECTION_DOWN, q.y, giftVelocity);
        startTravel(q, DIRECTION_UP, p.y, giftVelocity);
    } else if (p.x > q.x) {
        startTravel(p, DIRECTION_LEFT, q.x, giftVelocity);
        startTravel(q, DIRECTION_RIGHT, p.x, giftVelocity);
    } else {
        startTravel(p, DIRECTION_UP, q.y, giftVelocity);
        startTravel(q, DIRECTION_DOWN, p.y, giftVelocity);
    }
    playSound("swap");
}

void GameField::swapBack()
{
    const int p = pendingSwapBack;
    screen.showTip(3, centreX(p), centreY(p));
    const int partner = cell(p).swapPartner;
    if (partner >= 0)
        swapMotion(p, partner);
    playSound("swapback");
    busy = true;
    pendingSwapBack = -1;
    if (mode == MODE_PUZZLE)
        dropSnapshot();
}
