#pragma once
// The shared colours of the festive look: deep berry reds, warm golds and
// creams, with eight clearly different gift colours.

#include "tools/mkdata/canvas.h"

#include <array>

namespace mkdata::palette {

inline const Rgb kBerry = hex(0x7a1530);
inline const Rgb kWine = hex(0x4a0c1e);
inline const Rgb kGold = hex(0xf4c04e);
inline const Rgb kDeepGold = hex(0xb8761c);
inline const Rgb kCream = hex(0xfff3da);
inline const Rgb kInk = hex(0x3a1408);
inline const Rgb kWhite = hex(0xffffff);
inline const Rgb kPine = hex(0x1e6b3c);
inline const Rgb kNight = hex(0x1b2350);
inline const Rgb kButtonRed = hex(0xc42032);
inline const Rgb kButtonGreen = hex(0x2a8a48);

// Gift colours 0 to 7: red, green, blue, yellow, purple, orange, teal, pink.
inline const std::array<Rgb, 8> kGifts = {hex(0xe0323a), hex(0x3cb04a), hex(0x347ee0), hex(0xf5c920),
                                          hex(0x9a4bd6), hex(0xf58a1f), hex(0x22bdb8), hex(0xf26aa6)};

// A hue around the colour wheel (0..1) at full saturation, for rainbows.
Rgb hue(double h, double lightness = 0.55);

}  // namespace mkdata::palette
