#include "menu/static_widget.h"

#include "foundation/ini.h"
#include "graphics/font.h"
#include "graphics/graph.h"
#include "menu/sparkle.h"
#include "menu/ui_fonts.h"

namespace {

constexpr int kSparkleLead = 20;  // ms before a delayed control appears

// Turns a picture into a strip of length frames run through in period ms.
void makeStrip(Sprite* picture, int length, int period)
{
    if (length <= 0 || period <= 0 || length == picture->nStored || length > picture->nHeight)
        return;
    picture->nFrames = period;
    picture->nStored = static_cast<std::int16_t>(length);
    picture->nHeight = static_cast<std::int16_t>(picture->nHeight / length);
}

}  // namespace

Sprite* loadKeyedPicture(const char* file, const char* section, const char* key)
{
    return graphLoadSprite(iniGetString(file, section, key), nullptr, 0);
}

void StaticWidget::load(const char* file, const char* section)
{
    Widget::load(file, section);
    image = loadKeyedPicture(file, section, "path");
    if (!image)
        return;
    makeStrip(image, iniGetInt(file, section, "length"), iniGetInt(file, section, "period"));
    if (xs == 0)
        xs = image->nWidth;
    if (ys == 0)
        ys = image->nHeight;
    stretch = xs != image->nWidth || ys != image->nHeight;
}

Font* StaticWidget::fontOr(Font* fallback) const { return parent && parent->font ? parent->font : fallback; }

void StaticWidget::draw(int offsetX, int offsetY, Sprite* target)
{
    if (!visible || !phaseReached() || !target)
        return;
    if (image) {
        if (stretch)
            target->DrawStretch(offsetX + x, offsetY + y, xs, ys, image, 0, 0, image->nWidth, image->nHeight, OP_MASK,
                                time);
        else
            target->Draw(offsetX + x, offsetY + y, image, OP_MASK, time);
    }
    if (text[0])
        DrawString(target, fontOr(StaticFont), offsetX + x + xs / 2, offsetY + y + ys / 2, text, 0, xalign, yalign);
}

int StaticWidget::update(int milliseconds)
{
    time += milliseconds;
    if (phase != 0 && time >= phase - kSparkleLead && time < phase && spawnSparkle)
        spawnSparkle(x, y + ys / 2);
    return 0;
}
