#include "menu/letter_popup.h"

#include "graphics/graph.h"
#include "menu/word_picture.h"

#include <cmath>

float overshootScale(float e)
{
    if (e <= 0.0f)
        return 0.0f;
    if (e <= 0.7f)
        return 1.8571428f * e;
    if (e <= 1.0f)
        return 1.9999998f - 0.9999998f * e;
    return 1.0f;
}

void PopupLetter::update(int milliseconds)
{
    time += going ? -milliseconds : milliseconds;
    if (!picture)
        return;
    const float e = static_cast<float>(going ? time + delay : time - delay) / static_cast<float>(growTime);
    scale = overshootScale(e);
    width = static_cast<int>(std::lround(picture->nWidth * scale));
    height = static_cast<int>(std::lround(picture->nHeight * scale));
}

LetterPopup::~LetterPopup()
{
    for (auto& letter : letters)
        if (letter)
            graphDeleteSprite(letter->picture);
}

int LetterPopup::update(int milliseconds)
{
    for (auto& letter : letters)
        if (letter)
            letter->update(milliseconds);
    if (time < duration)
        time += milliseconds;
    if (duration != 0 && time >= duration) {
        going = true;
        for (auto& letter : letters)
            if (letter)
                letter->going = true;
    }
    for (const auto& letter : letters)
        if (letter && letter->alive())
            return 0;
    return 1;
}

void LetterPopup::draw(Sprite* target) const
{
    if (!target)
        return;
    for (const auto& letter : letters) {
        if (!letter || !letter->picture || letter->width <= 0 || letter->height <= 0)
            continue;
        const Sprite* picture = letter->picture;
        const int centreX = letter->anchorX + picture->nWidth / 2;
        target->DrawStretch(centreX - letter->width / 2, letter->anchorY - letter->height / 2, letter->width,
                            letter->height, letter->picture, 0, 0, picture->nWidth, picture->nHeight, OP_ALPHA, 0);
    }
}

void LetterPopup::reset()
{
    time = 0;
    going = false;
    for (auto& letter : letters)
        if (letter) {
            letter->going = false;
            letter->time = 0;
            letter->scale = 0.0f;
            letter->width = letter->height = 0;
        }
}

std::unique_ptr<LetterPopup> createLetterPopup(const char* text, int x, int y, int duration)
{
    auto popup = std::make_unique<LetterPopup>();
    popup->duration = duration;
    for (int i = 0; text && text[i] && i < POPUP_MAX_LETTERS; ++i) {
        auto letter = std::make_unique<PopupLetter>();
        letter->delay = LETTER_DELAY * i;
        letter->anchorX = x;
        letter->anchorY = y;
        const char single[2] = { text[i], 0 };
        letter->picture = makeWordPicture(single);
        x += letter->picture ? letter->picture->nWidth : WORD_BLANK_WIDTH;
        popup->letters[static_cast<std::size_t>(i)] = std::move(letter);
    }
    popup->reset();
    return popup;
}
