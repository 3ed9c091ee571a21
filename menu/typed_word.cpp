#include "menu/typed_word.h"

#include <cctype>
#include <cstring>

namespace {

char typed[TYPED_WORD_SIZE + 1] = { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0 };

}  // namespace

void clearTypedWord()
{
    std::memset(typed, 1, TYPED_WORD_SIZE);
    typed[TYPED_WORD_SIZE] = 0;
}

void pushTypedChar(char c)
{
    std::memmove(typed, typed + 1, TYPED_WORD_SIZE - 1);
    typed[TYPED_WORD_SIZE - 1] = c;
}

bool typedWord(const char* word)
{
    const std::size_t length = word ? std::strlen(word) : 0;
    if (length == 0 || length > TYPED_WORD_SIZE)
        return false;
    const char* tail = typed + TYPED_WORD_SIZE - length;
    for (std::size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    return true;
}
