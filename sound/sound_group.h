#pragma once
// Sound groups: the files of one event section of the sound bank, one of
// which plays, picked at random, each time the event happens.

#include "foundation/game_random.h"

#include <string>
#include <string_view>
#include <vector>

class Sound;

struct SoundGroup {
    static constexpr int kMaxNames = 10;
    static constexpr std::size_t kMaxNameLength = 127;

    std::vector<std::string> names;
    std::int16_t count = 0;
};

// The sound system's own generator; it is never reseeded, so the picks of
// every run are the same.
extern GameRandom sndRandom;

// The group of the section's "name0".."name9" (up to the first empty one);
// none for an empty section or while sound is off. The sound system owns it.
SoundGroup* LoadSoundGroup(const char* path, const char* section);
// Plays one member for a listener at (x1, y1) and a source at (x2, y2).
void PlaySoundGroup(const SoundGroup* group, int x1, int y1, int x2, int y2);
// Plays a one-shot copy of the bank sound name; volume and pan follow the
// distance, k scales the volume. Returns the playing copy or none.
Sound* PlaySoundAt(int x1, int y1, std::string_view name, int x2, int y2, float k);

// The group list: created by SoundInit, freed by SoundDone.
void createSoundGroups();
void freeSoundGroups();
