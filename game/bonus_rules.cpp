// The rainbow and teleport gifts, the magic wand, and what clearing does to
// the special cell backgrounds.

#include "game/field_screen.h"
#include "game/game_field.h"

void GameField::applyRainbow(int target, int rainbow)
{
    rainbowSelected = false;
    if (target == rainbow || !areNeighbours(target, rainbow))
        return;
    Gift* colourSource = cell(target).gift;
    Gift* gift = cell(rainbow).gift;
    if (!colourSource || !gift || colourSource->kind == KIND_RAINBOW)
        return;
    gift->colour = colourSource->colour;
    gift->kind = KIND_ORDINARY;
    gift->width = gift->height = 0.0f;
    gift->timer = 0;
    gift->state = GIFT_GROWING;
    cell(rainbow).busy = true;
    busy = true;
    playSound("raduga");
}

void GameField::teleport(int from, int target)
{
    teleportSelected = false;
    Gift* gift = cell(from).gift;
    Gift* other = cell(target).gift;
    if (from == target || !gift || !other || other->lock > 0)
        return;
    gift->kind = KIND_ORDINARY;
    moveMade = true;
    gift->state = GIFT_TELEPORTING;
    gift->target = static_cast<float>(target);
    other->state = GIFT_TELEPORTING;
    other->target = static_cast<float>(from);
    cell(from).gift = other;
    cell(target).gift = gift;
    cell(from).busy = cell(target).busy = true;
    playSound("teleport");
    busy = true;
}

void GameField::strikeWithWand(int index)
{
    Cell& c = cell(index);
    if (!c.gift || c.gift->lock > 0)
        return;
    c.gift->state = GIFT_DYING;
    c.busy = c.removed = true;
    playSound("magic");
    if (c.background != BACKGROUND_PLAIN)
        redraw = true;
    if (c.background == BACKGROUND_SCORE)
        collectScoreCell(index, false);
    else if (c.background == BACKGROUND_WAND)
        collectWandCell(index, false);
    else if (c.background != BACKGROUND_PLAIN)
        removeLayer(index);
}

void GameField::collectScoreCell(int index, bool byLine)
{
    Cell& c = cell(index);
    layers -= BACKGROUND_SCORE;
    c.background = BACKGROUND_PLAIN;
    const int x = centreX(index), y = centreY(index);
    effects().SpawnFlyingCell(x, y, 2, c.x - originX, c.y - originY);
    playSound("bonus_score");
    effects().SpawnStarBurst(x, y);
    if (byLine)
        effects().SpawnGlow(x, y, 0);
}

void GameField::collectWandCell(int index, bool byLine)
{
    Cell& c = cell(index);
    layers -= BACKGROUND_WAND;
    c.background = BACKGROUND_PLAIN;
    const int x = centreX(index), y = centreY(index);
    effects().SpawnFlyingCell(x, y, 3, c.x - originX, c.y - originY);
    playSound("bonus_wand");
    screen.addWand();
    if (byLine)
        effects().SpawnGlow(x, y, 1);
}

void GameField::removeLayer(int index)
{
    Cell& c = cell(index);
    --c.background;
    --layers;
    effects().SpawnFlyingCell(centreX(index), centreY(index), c.background, c.x - originX, c.y - originY);
    ++layersClearedThisFrame;
}
