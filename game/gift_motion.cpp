// How a gift moves and animates in each of its states, advanced by the
// elapsed milliseconds of the frame.

#include "game/game_field.h"

#include <cmath>

namespace {

constexpr float FALL_GRAVITY = 0.0005f;  // pixels per ms per ms
constexpr float FALL_LIMIT = 0.7f;
constexpr float DYING_SHRINK = 0.1f;  // pixels per ms
constexpr float DEAD_SIZE = 10.0f;
constexpr int GROW_MS = 300;
constexpr int GIFT_PERIOD_MS = 500;
constexpr int HINT_PERIOD_MS = 750;

bool travelEnded(const Gift& gift)
{
    switch (gift.direction) {
    case 0: return gift.x > gift.target;
    case 2: return gift.x < gift.target;
    case 1: return gift.y < gift.target;
    default: return gift.y > gift.target;
    }
}

void travel(Gift& gift, int ms)
{
    gift.x += gift.vx * static_cast<float>(ms);
    gift.y += gift.vy * static_cast<float>(ms);
    if (!travelEnded(gift))
        return;
    if (gift.direction == 0 || gift.direction == 2) {
        gift.x = gift.target;
        gift.vx = 0.0f;
    } else {
        gift.y = gift.target;
        gift.vy = 0.0f;
    }
    gift.state = GIFT_IDLE;
}

bool fall(Gift& gift, int ms)
{
    gift.vy += FALL_GRAVITY * static_cast<float>(ms);
    gift.y += gift.vy * static_cast<float>(ms);
    if (gift.vy > FALL_LIMIT)
        gift.vy = FALL_LIMIT;
    if (gift.y <= gift.target)
        return false;
    gift.y = gift.target;
    gift.vy = 0.0f;
    gift.state = GIFT_IDLE;
    return true;
}

void die(Gift& gift, int ms)
{
    if (gift.width > DEAD_SIZE && gift.height > DEAD_SIZE) {
        gift.width -= DYING_SHRINK * static_cast<float>(ms);
        gift.height -= DYING_SHRINK * static_cast<float>(ms);
    }
    if (gift.width <= DEAD_SIZE || gift.height <= DEAD_SIZE)
        gift.dead = true;
}

// The grow scale: overshoots to 115 % at 240 ms and settles at 100 %.
float growScale(int timer)
{
    const float u = static_cast<float>(timer) / GROW_MS;
    if (u <= 0.0f)
        return 0.0f;
    if (u <= 0.8f)
        return 1.4375f * u;
    if (u <= 1.0f)
        return 1.75f - 0.75f * u;
    return 1.0f;
}

void playHint(Gift& gift, int ms)
{
    if (gift.helpState == 1 && (gift.phase == 0 || gift.phase >= GIFT_PERIOD_MS)) {
        gift.phase = HINT_PERIOD_MS * gift.helpOffset / 2;
        gift.helpState = 2;
    }
    gift.phase += ms;
    if (gift.helpState >= 2 && gift.phase >= HINT_PERIOD_MS * (1 + gift.helpOffset / 2) / (gift.helpState - 1)) {
        ++gift.helpState;
        gift.phase = 0;
        if (gift.helpState > 2)
            gift.helpState = 0;
    }
}

}  // namespace

void Gift::update(int ms)
{
    if (dead)
        return;
    GameField& field = *owner;
    if (state != GIFT_IDLE && !animating) {
        animating = true;
        field.redraw = true;
    }
    switch (state) {
    case GIFT_SWAPPING:
        travel(*this, ms);
        break;
    case GIFT_FALLING:
        if (fall(*this, ms))
            field.landed = true;
        break;
    case GIFT_DYING:
        die(*this, ms);
        break;
    case GIFT_TELEPORTING:
        if (timer < 0) {
            timer += ms;
            break;
        }
        width -= DYING_SHRINK * static_cast<float>(ms);
        height -= DYING_SHRINK * static_cast<float>(ms);
        if (width < 0.0f) {
            const int destination = static_cast<int>(target);
            x = static_cast<float>(field.centreX(destination));
            y = static_cast<float>(field.centreY(destination));
            state = GIFT_GROWING;
            timer = 0;
        }
        break;
    case GIFT_GROWING:
        grow(ms);
        break;
    default:
        idle(ms);
        break;
    }
}

void Gift::grow(int ms)
{
    if (timer < 0) {
        timer += ms;
        return;
    }
    GameField& field = *owner;
    field.media.playBirth();
    timer += ms;
    int frameWidth = 0, frameHeight = 0;
    const Sprite* picture = colour == COLOUR_RAINBOW ? field.pictures.rainbow
                            : colour < GIFT_PICTURES ? field.pictures.gifts[static_cast<std::size_t>(colour)]
                                                     : nullptr;
    field.media.frameSize(picture, frameWidth, frameHeight);
    const float scale = growScale(timer);
    width = scale * static_cast<float>(frameWidth);
    height = scale * static_cast<float>(frameHeight);
    if (timer > GROW_MS)
        state = GIFT_IDLE;
}

void Gift::idle(int ms)
{
    GameField& field = *owner;
    const bool hovered = hover;
    hover = false;
    if (kind == KIND_TELEPORT) {
        timer += ms;
        animating = true;
        return;
    }
    if (selected) {
        animating = true;
        phase += 2 * ms;
        return;
    }
    if (helpState != 0 && colour < COLOUR_BAD) {
        playHint(*this, ms);
        animating = true;
        return;
    }
    if (lock > 0)
        return;
    hoverBounce(hovered, field);
}

void Gift::hoverBounce(bool hovered, GameField& field)
{
    if (field.busy)
        bounce /= 1.01f;
    if (hovered) {
        if (bounce == 0.0f) {
            bounce = 1.0f;
            animating = true;
        }
        bounce *= 1.4f;
        if (bounce > 20.0f)
            bounce = 20.0f;
        if (bounce > 10.0f)
            bounce += 0.5f;
    } else if (bounce == 0.0f) {
        if (animating)
            field.redraw = true;
        animating = false;
    } else {
        bounce /= 1.09f;
        if (bounce < 2.0f) {
            bounce = 0.0f;
            animating = false;
            field.redraw = true;
        }
    }
    if (bounce > 3.0f)
        phase += static_cast<int>(std::lround(bounce));
}
