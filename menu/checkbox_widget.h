#pragma once
// A check box: reports at once on the press, shows its checked state.

#include "menu/button_widget.h"

class CheckboxWidget : public ButtonWidget {
public:
    void load(const char* file, const char* section) override;
    void draw(int offsetX, int offsetY, Sprite* target) override;
    int keyDown(unsigned key, std::intptr_t lparam) override;
    int keyUp(unsigned key, std::intptr_t lparam) override;
    int onPress() override;

    int checked = 0;
};
