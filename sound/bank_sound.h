#pragma once
// The sounds of the sound bank: every file of every event section, loaded
// once at start-up with the section's volume range, pan range and audible
// radius.

#include "sound/sound.h"

class BankSound : public Sound {
public:
    using Sound::Sound;
    ~BankSound() override = default;
    // A registered copy over the same samples with the same parameters.
    BankSound* Duplicate() override;

    int r2 = 0;  // audible radius squared, in pixels
    float minVolume = 0.0f;
    float maxVolume = 0.0f;
    float minFrq = 1.0f;
    float maxFrq = 1.0f;
    float panRange = 0.0f;
};

// Loads every file named in the bank's sections ("main" holds defaults).
void LoadSoundBank(const char* path);
