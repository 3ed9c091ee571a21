#include "sound/bank_sound.h"

#include "foundation/ini.h"
#include "sound/sound_lock.h"
#include "sound/sound_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kMaxFilesPerEvent = 10;

// The section's value, or the value of "main" when the section's is empty.
float bankParameter(const char* path, const char* section, const char* key)
{
    const char* own = iniGetString(path, section, key);
    if (*own)
        return std::strtof(own, nullptr);
    return iniGetFloat(path, "main", key);
}

void readParameters(BankSound& sound, const char* path, const char* section)
{
    sound.panRange = bankParameter(path, section, "pan");
    sound.maxVolume = bankParameter(path, section, "maxvolume");
    sound.minVolume = bankParameter(path, section, "minvolume");
    sound.maxFrq = bankParameter(path, section, "maxfrq");
    sound.minFrq = bankParameter(path, section, "minfrq");
    if (sound.maxFrq == 0.0f)
        sound.minFrq = sound.maxFrq = 1.0f;
    // Kept within the range whose square fits the 32-bit r2.
    const int radius = static_cast<int>(std::clamp(bankParameter(path, section, "r"), -46340.0f, 46340.0f));
    sound.r2 = radius * radius;
}

}  // namespace

BankSound* BankSound::Duplicate()
{
    SoundLock lock;
    auto* copy = new BankSound(fileName, static_cast<int>(sndMode));
    copy->name = name;
    copy->Volume = Volume;
    copy->bLoop = bLoop;
    copy->r2 = r2;
    copy->minVolume = minVolume;
    copy->maxVolume = maxVolume;
    copy->minFrq = minFrq;
    copy->maxFrq = maxFrq;
    copy->panRange = panRange;
    shareBufferWith(*copy);
    return copy;
}

void LoadSoundBank(const char* path)
{
    SoundLock lock;
    for (const std::string& section : iniListSections(path)) {
        if (section.empty())
            break;
        if (sameTextIgnoringCase(section, "main"))
            continue;
        for (int i = 0; i < kMaxFilesPerEvent; ++i) {
            char key[16];
            std::snprintf(key, sizeof key, "name%d", i);
            const std::string file = iniGetString(path, section.c_str(), key);
            if (file.empty())
                break;
            auto* sound = new BankSound(file, SND_MODE_EFFECTS);
            sound->Load();
            readParameters(*sound, path, section.c_str());
            sound->SetVolume(sound->maxVolume);
        }
    }
}
