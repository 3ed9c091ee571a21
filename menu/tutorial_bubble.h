#pragma once
// The tutorial bubble: a picture with five lines of text pointing at a
// place on the board; it fades in over 120 ms and out over 120 ms.

class Sprite;

constexpr int BUBBLE_LINES = 5;
constexpr int BUBBLE_LINE_SIZE = 256;
constexpr int BUBBLE_FADE_TIME = 120;

class TutorialBubble {
public:
    TutorialBubble();
    // 1 once it has closed.
    int update(int milliseconds);
    void draw(Sprite* target) const;
    void close() { closing = true; }

    Sprite* picture = nullptr;
    int pointX = 400, pointY = 300;
    char lines[BUBBLE_LINES][BUBBLE_LINE_SIZE] = {};
    int clock = 0;
    bool closing = false;
};
