#pragma once
// Pictures saved as PNG files: the back buffer (a screenshot) or any sprite.

#include "graphics/sprite.h"

// Writes stored frame 0 of the sprite as an RGB PNG; 0, or -1 when it
// could not be encoded or written.
int spriteSavePng(Sprite* sprite, const char* name);
int graphSaveScreenshot(const char* name);
