#include "menu/word_picture.h"

#include "graphics/graph.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

Sprite* letterPicture(char c)
{
    const std::string name = std::string("data\\letters\\") + c + ".tga";
    return graphLoadSprite(name.c_str(), nullptr, 0);
}

}  // namespace

Sprite* makeWordPicture(const char* text)
{
    if (!text || !*text)
        return nullptr;
    std::vector<Sprite*> letters;
    int width = 0, height = 0;
    for (const char* c = text; *c; ++c) {
        Sprite* letter = *c == ' ' ? nullptr : letterPicture(*c);
        letters.push_back(letter);
        if (*c == ' ')
            width += WORD_BLANK_WIDTH;
        else if (letter) {
            width += letter->nWidth;
            height = std::max<int>(height, letter->nHeight);
        }
    }
    if (width <= 0 || height <= 0)
        return nullptr;
    Sprite* word = graphCreateAlphaSprite(width, height, "", 0);
    int x = 0;
    for (Sprite* letter : letters) {
        if (!letter) {
            x += WORD_BLANK_WIDTH;
            continue;
        }
        word->CopyWithAlpha(x, 0, letter);
        x += letter->nWidth;
    }
    return word;
}
