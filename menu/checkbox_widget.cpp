#include "menu/checkbox_widget.h"

#include "foundation/ini.h"
#include "graphics/graph.h"
#include "platform/messages.h"

void CheckboxWidget::load(const char* file, const char* section)
{
    const int givenXs = iniGetInt(file, section, "xs"), givenYs = iniGetInt(file, section, "ys");
    ButtonWidget::load(file, section);
    checked = iniGetInt(file, section, "value") ? 1 : 0;
    if (picPressed) {
        if (givenXs == 0)
            xs = picPressed->nWidth;
        if (givenYs == 0)
            ys = picPressed->nHeight;
    }
}

void CheckboxWidget::draw(int offsetX, int offsetY, Sprite* target)
{
    if (!visible || !target)
        return;
    Sprite* picture = !enabled ? picDisabled : checked ? picPressed : highlighted ? picActive : picNormal;
    if (picture)
        target->Draw(offsetX + x, offsetY + y, picture, OP_ALPHA, 0);
}

int CheckboxWidget::keyDown(unsigned key, std::intptr_t)
{
    if (!enabled || !visible)
        return 0;
    if (key == platform::KEY_LBUTTON) {
        pressed = 1;
        onPress();
        if (parent)
            parent->onCommand(this);
    }
    return 1;
}

int CheckboxWidget::keyUp(unsigned key, std::intptr_t)
{
    if (!enabled || !visible)
        return 0;
    if (key == platform::KEY_LBUTTON)
        pressed = 0;
    return 1;
}

int CheckboxWidget::onPress()
{
    checked = !checked;
    return checked;
}
