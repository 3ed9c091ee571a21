#pragma once
// A horizontal slider: a track of a filled and an empty picture and a knob
// that can be grabbed at both ends of the track.

#include "menu/button_widget.h"

class ProgressWidget : public ButtonWidget {
public:
    void load(const char* file, const char* section) override;
    void draw(int offsetX, int offsetY, Sprite* target) override;
    int keyDown(unsigned key, std::intptr_t lparam) override;
    int keyUp(unsigned key, std::intptr_t lparam) override;
    int mouseMove(std::uintptr_t wparam, std::intptr_t lparam) override;

    // Above 1 gives 1, below 0.01 gives 0.
    void setValue(float newValue);

    Sprite* picLeft = nullptr;
    Sprite* picRight = nullptr;
    float value = 0.4f;
    std::int32_t trackWidth = 0;
    std::int32_t trackLeft = 0;

private:
    // A slider without a track cannot be grabbed.
    bool grabbable() const { return visible && tabStop && trackWidth > 0; }
    void followMouse(std::intptr_t lparam);
};
