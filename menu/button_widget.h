#pragma once
// A push button: pictures for normal, highlighted, pressed and disabled,
// a caption whose style follows the state, an optional prompt label drawn
// with it, and a click that needs press and release on the button.

#include "menu/static_widget.h"

#include <memory>

class ButtonWidget : public StaticWidget {
public:
    ButtonWidget() { tabStop = 1; }
    void load(const char* file, const char* section) override;
    void draw(int offsetX, int offsetY, Sprite* target) override;
    int keyDown(unsigned key, std::intptr_t lparam) override;
    int keyUp(unsigned key, std::intptr_t lparam) override;
    void setPrompt(const char* caption) override;
    virtual int onPress();

    Sprite* picNormal = nullptr;
    Sprite* picActive = nullptr;
    Sprite* picPressed = nullptr;
    Sprite* picDisabled = nullptr;
    std::unique_ptr<ButtonWidget> prompt;
    SoundGroup* clickSound = nullptr;

protected:
    // The common keys, the prompt label and the four pictures.
    void loadButtonParts(const char* file, const char* section);
    // 2 pressed and highlighted, 1 highlighted, 0 otherwise.
    int state() const { return highlighted ? (pressed ? 2 : 1) : 0; }
    Sprite* pictureOfState() const;

private:
    void loadPrompt(const char* file, const char* section);
};
