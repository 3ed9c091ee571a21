// The player's input on the board: selection, clicks on a neighbour or a
// special gift's target, drags, and the magic wand.

#include "game/game_field.h"

namespace {

constexpr int BUTTON_LEFT = 1;
constexpr int BUTTON_RIGHT = 2;
constexpr int DRAG_THRESHOLD = 20;

}  // namespace

void GameField::selectCell(int index)
{
    Cell& c = cell(index);
    markerX = c.x;
    markerY = c.y;
    media.playSound("select_gift", 420, 100, c.x + CELL_SIZE / 2, 100);
    if (c.gift) {
        c.gift->helpState = 0;
        c.gift->selected = true;
    }
    markerVisible = true;
    c.selected = true;
    selectedCell = index;
}

void GameField::deselectCell(int index)
{
    Cell& c = cell(index);
    if (c.gift)
        c.gift->selected = false;
    c.selected = false;
    markerVisible = false;
}

void GameField::clearSelection()
{
    if (selectedCell >= 0)
        deselectCell(selectedCell);
    selectedCell = -1;
    teleportSelected = rainbowSelected = false;
}

void GameField::setSpecialFlags(int index)
{
    const Gift* gift = cell(index).gift;
    teleportSelected = gift && gift->kind == KIND_TELEPORT;
    rainbowSelected = gift && gift->kind == KIND_RAINBOW;
}

void GameField::strikeArmedWand(int index)
{
    strikeWithWand(index);
    screen.lowerChain();
    busy = true;
    moveMade = true;
    screen.spendWand();
}

void GameField::onButtonDown(int button, int x, int y)
{
    if (modalDialog || screen.levelWon())
        return;
    if (button == BUTTON_RIGHT) {
        clearSelection();
        return;
    }
    if (button != BUTTON_LEFT)
        return;
    pressX = x;
    pressY = y;
    hoverCell = cellAt(x, y);
    if (busy)
        return;
    buttonHeld = true;

    const int c = hoverCell;
    const int s = selectedCell;
    if (c < 0 || !isSelectable(c) || c == s) {
        // A second click on the selection deselects it; clicks on holes,
        // empty cells and locked gifts leave it.
        if (s == c)
            clearSelection();
        return;
    }
    if (screen.wandArmed()) {
        strikeArmedWand(c);
        return;
    }
    if (s < 0) {
        selectCell(c);
        setSpecialFlags(c);
        return;
    }
    if (rainbowSelected) {
        deselectCell(s);
        applyRainbow(c, s);
    } else if (teleportSelected) {
        deselectCell(s);
        teleport(s, c);
    } else if (!areNeighbours(c, s)) {
        deselectCell(s);
        selectCell(c);
        setSpecialFlags(c);
        return;
    } else {
        swapCells(c, s);
        deselectCell(s);
    }
    selectedCell = -1;
}

void GameField::onButtonUp(int) { buttonHeld = false; }

void GameField::onMouseMove(int x, int y)
{
    mouseX = x;
    mouseY = y;
    if (!screen.acceptsInput() || elapsed < 0 || busy)
        return;
    if (selectedCell < 0 || !buttonHeld || teleportSelected || rainbowSelected)
        return;
    dragTo(x, y);
}

void GameField::dragTo(int x, int y)
{
    const int s = selectedCell;
    const int dx = x - pressX;
    const int dy = y - pressY;
    int target = -1;
    if (dx > DRAG_THRESHOLD) {
        if (column(s) < width - 1)
            target = s + 1;
    } else if (dx < -DRAG_THRESHOLD) {
        if (column(s) > 0)
            target = s - 1;
    } else if (dy > DRAG_THRESHOLD) {
        if (row(s) < height - 1)
            target = s + width;
    } else if (dy < -DRAG_THRESHOLD) {
        if (row(s) > 0)
            target = s - width;
    }
    if (target < 0 || target >= count || !cell(target).present || !cell(target).gift)
        return;
    swapCells(s, target);
    deselectCell(s);
    selectedCell = -1;
}
