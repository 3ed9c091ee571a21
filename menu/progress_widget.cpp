#include "menu/progress_widget.h"

#include "graphics/graph.h"
#include "platform/messages.h"

#include <cmath>

void ProgressWidget::load(const char* file, const char* section)
{
    loadButtonParts(file, section);
    trackLeft = x;
    picLeft = loadKeyedPicture(file, section, "leftpath");
    picRight = loadKeyedPicture(file, section, "rightpath");
    const Sprite* track = picLeft ? picLeft : picRight;
    trackWidth = track ? track->nWidth : 0;
    xs = trackWidth;
    ys = track ? track->nHeight : 0;
    if (picNormal) {
        x -= picNormal->nWidth / 2;
        xs += picNormal->nWidth;
    }
}

void ProgressWidget::setValue(float newValue)
{
    value = newValue > 1.0f ? 1.0f : newValue < 0.01f ? 0.0f : newValue;
}

void ProgressWidget::draw(int offsetX, int offsetY, Sprite* target)
{
    if (!visible || !target)
        return;
    const int filled = static_cast<int>(std::lround(trackWidth * value));
    const int left = offsetX + trackLeft, top = offsetY + y;
    if (filled > 0 && picLeft)
        target->DrawPart(left, top, filled, ys, picLeft, 0, 0, OP_ALPHA, 0);
    if (filled != trackWidth && picRight)
        target->DrawPart(left + filled, top, trackWidth - filled, ys, picRight, filled, 0, OP_ALPHA, 0);
    if (picNormal) {
        Sprite* knob = pictureOfState();
        if (knob)
            target->Draw(left + filled - knob->nWidth / 2, top + ys / 2 - knob->nHeight / 2, knob, OP_ALPHA, 0);
    }
}

void ProgressWidget::followMouse(std::intptr_t lparam)
{
    setValue(static_cast<float>(platform::mouseX(lparam) - trackLeft) / static_cast<float>(trackWidth));
    if (parent)
        parent->onCommand(this);
}

int ProgressWidget::keyDown(unsigned key, std::intptr_t lparam)
{
    if (key == platform::KEY_LBUTTON && grabbable()) {
        pressed = 1;
        followMouse(lparam);
    }
    return 0;
}

int ProgressWidget::mouseMove(std::uintptr_t, std::intptr_t lparam)
{
    if (!grabbable() || !pressed)
        return 0;
    followMouse(lparam);
    return 1;
}

int ProgressWidget::keyUp(unsigned key, std::intptr_t)
{
    if (key == platform::KEY_LBUTTON && visible && tabStop)
        pressed = 0;
    return 0;
}
