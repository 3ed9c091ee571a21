#pragma once
// One line of text entry of at most nine characters, with a blinking caret.

#include "menu/widget.h"

constexpr int EDIT_MAX_CHARS = 9;

class EditWidget : public Widget {
public:
    void load(const char* file, const char* section) override;
    void draw(int offsetX, int offsetY, Sprite* target) override;
    int keyDown(unsigned key, std::intptr_t lparam) override;
    int charInput(unsigned code, std::intptr_t lparam) override;
    void setText(const char* caption) override;

    int caret = 0;

private:
    int length() const;
    void removeAt(int index);
};
