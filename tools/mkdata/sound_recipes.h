#pragma once
// How each sound of the bank is made: one entry per section of the sound
// vocabulary of the game.

#include "tools/mkdata/synth.h"

#include <vector>

namespace mkdata {

struct SoundRecipe {
    const char* section;
    int variations;
    double seconds;
    void (*draw)(Mix& mix, int variation);
    double volume = 0.9;     // the bank's "maxvolume"
    double peak = 0.75;      // peak level of the file
    const char* extra = "";  // further keys of the bank section
};

const std::vector<SoundRecipe>& soundRecipes();

}  // namespace mkdata
