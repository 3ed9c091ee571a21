#pragma once
// One grid position of the board.

class Gift;

constexpr int CELL_SIZE = 48;

// What lies under a gift.
constexpr int BACKGROUND_PLAIN = 0;
constexpr int BACKGROUND_LAYER1 = 1;
constexpr int BACKGROUND_LAYER2 = 2;
constexpr int BACKGROUND_SCORE = 3;
constexpr int BACKGROUND_WAND = 4;

struct Cell {
    int index = 0;
    int present = 1;  // 0 for a hole; other values kept as read from the map
    int background = BACKGROUND_LAYER1;
    int x = 0, y = 0;  // top-left on the screen
    Gift* gift = nullptr;  // owned by the field's gift list
    bool busy = false;
    bool removed = false;
    bool selected = false;
    int swapPartner = -1;
    int pendingLock = 0;
};
