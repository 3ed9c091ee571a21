#include "menu/tutorial_bubble.h"

#include "graphics/font.h"
#include "graphics/graph.h"
#include "menu/ui_fonts.h"

#include <algorithm>

namespace {

constexpr int kCornerLeft = 58, kCornerUp = 140;  // from the point to the corner
constexpr int kTextLeft = 13, kTextTop = 20, kLineStep = 16;

}  // namespace

TutorialBubble::TutorialBubble() : picture(graphLoadSprite("data\\hint.tga", nullptr, 0)) {}

int TutorialBubble::update(int milliseconds)
{
    if (closing) {
        clock -= milliseconds;
        return clock <= 0 ? 1 : 0;
    }
    if (clock < BUBBLE_FADE_TIME)
        clock += milliseconds;
    return 0;
}

void TutorialBubble::draw(Sprite* target) const
{
    if (!target || !picture)
        return;
    const int left = pointX - kCornerLeft, top = std::max(0, pointY - kCornerUp);
    if (closing || clock < BUBBLE_FADE_TIME) {
        const int alpha = std::clamp(clock * 255 / BUBBLE_FADE_TIME, 0, 255);
        target->DrawFaded(left, top, picture, alpha, 0);
        return;
    }
    target->Draw(left, top, picture, OP_ALPHA, 0);
    for (int i = 0; i < BUBBLE_LINES; ++i)
        DrawString(target, HelpFont, left + kTextLeft, top + kTextTop + kLineStep * i, lines[i], 0, -1, 0);
}
