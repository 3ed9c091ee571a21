#pragma once
// A playing piece on the board.

#include <list>

class GameField;

// Colours 0..7 are ordinary; there is no colour 9.
constexpr int COLOUR_BAD = 8;
constexpr int COLOUR_RAINBOW = 10;
constexpr int ORDINARY_COLOURS = 8;

constexpr int KIND_ORDINARY = 0;
constexpr int KIND_TELEPORT = 11;
constexpr int KIND_RAINBOW = 12;

constexpr int GIFT_IDLE = 0;
constexpr int GIFT_SWAPPING = 1;
constexpr int GIFT_DYING = 2;
constexpr int GIFT_FALLING = 3;
constexpr int GIFT_TELEPORTING = 5;
constexpr int GIFT_GROWING = 6;

// The size at which a newly created gift is drawn.
constexpr float GIFT_NEW_SIZE = 44.0f;

class Gift {
public:
    int colour = 0;
    int kind = KIND_ORDINARY;
    int lock = 0;  // chains on the gift
    int state = GIFT_IDLE;
    float x = 0.0f, y = 0.0f;  // centre on the screen
    float width = GIFT_NEW_SIZE, height = GIFT_NEW_SIZE;  // drawn size
    float vx = 0.0f, vy = 0.0f;  // pixels per millisecond
    int direction = 0;  // of a swap: 0 right, 1 up, 2 left, 3 down
    float target = 0.0f;  // end coordinate of a move, or a teleport's cell
    int timer = 0;  // ms in the current state; negative delays growing
    int phase = 0;  // ms into the image strip
    float bounce = 0.0f;  // hover excitement
    bool dead = false;
    bool selected = false;
    bool hover = false;  // under the mouse this frame
    int helpState = 0;
    int helpOffset = 0;
    bool animating = false;

    // Advances the gift by its state; called every frame for every gift.
    void update(int ms);

    GameField* owner = nullptr;
    std::list<Gift>::iterator self;  // its place in the owner's gift list

private:
    void grow(int ms);
    void idle(int ms);
    void hoverBounce(bool hovered, GameField& field);
};
