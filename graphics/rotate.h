#pragma once
// Sprites drawn rotated about their centre, through an affine texture
// mapper that fills triangles in 10-bit fixed point.

#include "graphics/sprite.h"

#include <cstdint>

// Stored frame 0 of source centred at (x, y), turned by angle radians
// (clockwise on screen for positive angles).
void DrawRotated(Sprite* dest, int x, int y, Sprite* source, float angle);

// Texture corners in units of the whole texture (0 to 1). Mode OP_ALPHA
// skips black texels, OP_TEXT blends through the alpha map; only one
// winding is drawn.
void DrawTriangle(Sprite* dest, std::uint32_t flags, std::uint32_t mode, Sprite* source, int xA, int yA, int xB,
                  int yB, int xC, int yC, float uA, float vA, float uB, float vB, float uC, float vC, int frame);
