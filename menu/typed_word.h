#pragma once
// The last 31 characters typed, oldest first; screens test whether it ends
// with a word (the game's secret words).

constexpr int TYPED_WORD_SIZE = 31;

// Fills the buffer with code 1, which matches nothing.
void clearTypedWord();
// Drops the oldest character and appends this one.
void pushTypedChar(char c);
// True when the word is not empty and the buffer ends with it, in any case.
bool typedWord(const char* word);
