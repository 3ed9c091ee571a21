#include "menu/edit_widget.h"

#include "graphics/font.h"
#include "graphics/graph.h"
#include "menu/static_widget.h"
#include "menu/ui_fonts.h"
#include "platform/messages.h"

#include <cstring>

namespace {

constexpr int kCaretBlinkBit = 512;  // on for 512 ms, off for 512 ms
constexpr int kCaretWidth = 3;

}  // namespace

void EditWidget::load(const char* file, const char* section)
{
    Widget::load(file, section);
    image = loadKeyedPicture(file, section, "path");
    if (StaticFont) {
        if (xs == 0)
            xs = 10 * StaticFont->nSpaceAdvance;
        if (ys == 0)
            ys = StaticFont->nLineHeight;
    }
    toggleSound = nullptr;
}

int EditWidget::length() const { return static_cast<int>(std::strlen(text)); }

void EditWidget::setText(const char* caption)
{
    Widget::setText(caption);
    caret = length();
}

void EditWidget::draw(int offsetX, int offsetY, Sprite* target)
{
    if (!visible || !target)
        return;
    const int left = offsetX + x, top = offsetY + y;
    if (image)
        target->Draw(left, top, image, OP_ALPHA, 0);
    if (!StaticFont)
        return;
    DrawString(target, StaticFont, left, top + ys / 2, text, 0, -1, 0);
    if ((highlighted || pressed) && (time & kCaretBlinkBit)) {
        const int caretX = left + TextWidth(StaticFont, text, caret);
        const int fontHeight = StaticFont->nLineHeight;
        target->FillRect(caretX, top + (ys - fontHeight) / 2 - 2, caretX + kCaretWidth, top + (ys + fontHeight) / 2 - 2,
                         0xFFFFFFFF);
    }
}

void EditWidget::removeAt(int index) { std::memmove(text + index, text + index + 1, std::strlen(text + index)); }

int EditWidget::keyDown(unsigned key, std::intptr_t)
{
    switch (key) {
    case platform::KEY_BACK:
        if (caret <= 0)
            return 0;
        removeAt(--caret);
        return 1;
    case platform::KEY_LEFT: caret = caret > 0 ? caret - 1 : 0; return 1;
    case platform::KEY_RIGHT: caret = caret < length() ? caret + 1 : length(); return 1;
    case platform::KEY_HOME: caret = 0; return 1;
    case platform::KEY_END: caret = length(); return 1;
    case platform::KEY_DELETE:
        if (caret >= length())
            return 0;
        removeAt(caret);
        return 1;
    default: return 0;
    }
}

int EditWidget::charInput(unsigned code, std::intptr_t)
{
    const int count = length();
    if (code < 32 || code > 255 || count >= EDIT_MAX_CHARS)
        return 0;
    std::memmove(text + caret + 1, text + caret, static_cast<std::size_t>(count - caret + 1));
    text[caret++] = static_cast<char>(code);
    return 1;
}
