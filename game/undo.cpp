// The puzzle mode's undo history: a snapshot of every cell's gift colour
// and lock before each swap.

#include "game/game_field.h"

namespace {

// Not colour 10: that is the rainbow gift, which undo must not lose.
constexpr unsigned char NO_GIFT = 0xff;

}  // namespace

void GameField::pushSnapshot()
{
    if (mode != MODE_PUZZLE || undoHistory.size() >= MAX_UNDO)
        return;
    UndoSnapshot& snapshot = undoHistory.emplace_back();
    for (int i = 0; i < count; ++i) {
        const Gift* gift = cell(i).gift;
        snapshot.colours[static_cast<std::size_t>(i)] = gift ? static_cast<unsigned char>(gift->colour) : NO_GIFT;
        snapshot.locks[static_cast<std::size_t>(i)] = gift ? static_cast<unsigned char>(gift->lock) : 0;
    }
}

void GameField::dropSnapshot()
{
    if (mode != MODE_PUZZLE)
        return;
    if (!undoHistory.empty())
        undoHistory.pop_back();
    modalDialog = nullptr;
}

void GameField::undo()
{
    if (mode != MODE_PUZZLE || busy || undoHistory.empty())
        return;
    const UndoSnapshot snapshot = undoHistory.back();
    undoHistory.pop_back();
    modalDialog = nullptr;
    for (int i = 0; i < count; ++i) {
        Cell& c = cell(i);
        const int colour = snapshot.colours[static_cast<std::size_t>(i)];
        if (colour == NO_GIFT) {
            if (Gift* gift = c.gift) {
                c.gift = nullptr;
                removeGift(gift);
            }
            continue;
        }
        if (!c.gift)
            placeGift(i, addGift());
        Gift& gift = *c.gift;
        gift.colour = colour;
        gift.lock = snapshot.locks[static_cast<std::size_t>(i)];
        gift.state = GIFT_IDLE;
        if (colour == COLOUR_RAINBOW)
            gift.kind = KIND_RAINBOW;
    }
    redraw = true;
}
