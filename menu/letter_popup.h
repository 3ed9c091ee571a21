#pragma once
// A word that pops up letter by letter: each letter grows in 250 ms with a
// bounce to 130 %, 80 ms after the one before it; once the duration has
// passed the letters shrink away through the same bounce.

#include <array>
#include <memory>

class Sprite;

constexpr int POPUP_MAX_LETTERS = 20;
constexpr int LETTER_GROW_TIME = 250;
constexpr int LETTER_DELAY = 80;

struct PopupLetter {
    bool going = false;
    int time = 0;
    int growTime = LETTER_GROW_TIME;
    int delay = 0;
    float scale = 0.0f;
    int anchorX = 0, anchorY = 0;
    int width = 0, height = 0;
    Sprite* picture = nullptr;  // none for a blank or a missing letter

    void update(int milliseconds);
    bool alive() const { return picture && (!going || scale != 0.0f); }
};

// The scale of a letter at progress e of its growth.
float overshootScale(float e);

class LetterPopup {
public:
    LetterPopup() = default;
    ~LetterPopup();
    LetterPopup(const LetterPopup&) = delete;
    LetterPopup& operator=(const LetterPopup&) = delete;

    // 1 once every letter has gone.
    int update(int milliseconds);
    void draw(Sprite* target) const;
    void reset();

    int duration = 0;  // 0: the letters stay
    int time = 0;
    bool going = false;
    std::array<std::unique_ptr<PopupLetter>, POPUP_MAX_LETTERS> letters;
};

// Letters from (x, y) to the right; a text beyond 20 characters is cut.
std::unique_ptr<LetterPopup> createLetterPopup(const char* text, int x, int y, int duration);
