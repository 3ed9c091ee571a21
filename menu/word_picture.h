#pragma once
// A text set in the letter pictures "data\letters\%c.tga", side by side
// and top-aligned; a blank is a gap of 30 pixels.

class Sprite;

constexpr int WORD_BLANK_WIDTH = 30;

// An alpha sprite in the registry, or none for an empty text or one
// without any letter picture.
Sprite* makeWordPicture(const char* text);
