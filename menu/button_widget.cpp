#include "menu/button_widget.h"

#include "foundation/ini.h"
#include "graphics/font.h"
#include "graphics/graph.h"
#include "menu/ui_fonts.h"
#include "platform/messages.h"
#include "sound/sound_group.h"

#include <string>

namespace {

// Prompt labels of prompt labels are followed this deep at most, so that
// sections naming themselves or each other end.
constexpr int kPromptDepth = 4;
int promptDepth = 0;

}  // namespace

void ButtonWidget::loadPrompt(const char* file, const char* section)
{
    const std::string promptSection = iniGetString(file, section, "prompt");
    if (promptSection.empty() || promptDepth >= kPromptDepth)
        return;
    prompt = std::make_unique<ButtonWidget>();
    prompt->parent = parent;  // positioned like the button, within the screen
    ++promptDepth;
    prompt->load(file, promptSection.c_str());
    --promptDepth;
}

void ButtonWidget::loadButtonParts(const char* file, const char* section)
{
    Widget::load(file, section);
    loadPrompt(file, section);
    picNormal = loadKeyedPicture(file, section, "path");
    picActive = loadKeyedPicture(file, section, "path_a");
    if (!picActive)
        picActive = picNormal;
    picPressed = loadKeyedPicture(file, section, "path_p");
    if (!picPressed)
        picPressed = picActive;
    picDisabled = loadKeyedPicture(file, section, "path_d");
    const Sprite* sizing = picNormal ? picNormal : picActive;
    if (sizing) {
        if (xs == 0)
            xs = sizing->nWidth;
        if (ys == 0)
            ys = sizing->nHeight;
    } else if (text[0] && MenuFont) {
        if (xs == 0)
            xs = TextWidth(MenuFont, text, 0x0FFFFFFF);
        if (ys == 0)
            ys = MenuFont->nLineHeight;
    }
}

void ButtonWidget::load(const char* file, const char* section)
{
    loadButtonParts(file, section);
    clickSound = LoadSoundGroup(MENU_SOUND_BANK, "click");
}

Sprite* ButtonWidget::pictureOfState() const
{
    switch (state()) {
    case 2: return picPressed;
    case 1: return picActive;
    default: return picNormal;
    }
}

void ButtonWidget::draw(int offsetX, int offsetY, Sprite* target)
{
    if (!visible || !enabled || !target)
        return;
    Sprite* picture = pictureOfState();
    if (picture)
        target->Draw(offsetX + x, offsetY + y, picture, OP_ALPHA, 0);
    if (text[0])
        DrawString(target, MenuFont, offsetX + x + xs / 2, offsetY + y + ys / 2 + (picture ? pressed + 4 : 0), text,
                   state() + 1, 0, 0);
    if (prompt) {
        prompt->enabled = enabled;
        prompt->visible = visible;
        prompt->pressed = pressed;
        prompt->highlighted = highlighted;
        prompt->draw(offsetX, offsetY, target);
    }
}

int ButtonWidget::keyDown(unsigned key, std::intptr_t)
{
    if (!enabled)
        return 0;
    if (key == platform::KEY_LBUTTON) {
        pressed = 1;
        onPress();
        PlaySoundGroup(clickSound, 10, 10, 10, 10);
    }
    return 1;
}

int ButtonWidget::keyUp(unsigned key, std::intptr_t)
{
    if (!enabled)
        return 0;
    if (key == platform::KEY_LBUTTON && pressed) {
        pressed = 0;
        if (parent)
            parent->onCommand(this);
    }
    return 1;
}

void ButtonWidget::setPrompt(const char* caption)
{
    if (prompt)
        prompt->setText(caption);
}

int ButtonWidget::onPress() { return 0; }
