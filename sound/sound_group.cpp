#include "sound/sound_group.h"

#include "foundation/ini.h"
#include "sound/bank_sound.h"
#include "sound/sound_engine.h"
#include "sound/sound_lock.h"

#include <algorithm>
#include <cstdio>
#include <forward_list>
#include <optional>

GameRandom sndRandom;

namespace {

// Newest first; absent while sound is off.
std::optional<std::forward_list<SoundGroup>> groups;

int signOf(int value) { return (value > 0) - (value < 0); }

}  // namespace

void createSoundGroups()
{
    SoundLock lock;
    if (!groups)
        groups.emplace();
}

void freeSoundGroups()
{
    SoundLock lock;
    groups.reset();
}

SoundGroup* LoadSoundGroup(const char* path, const char* section)
{
    SoundGroup group;
    for (int i = 0; i < SoundGroup::kMaxNames; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "name%d", i);
        const std::string_view name = iniGetString(path, section, key);
        if (name.empty())
            break;
        group.names.emplace_back(name.substr(0, SoundGroup::kMaxNameLength));
    }
    group.count = static_cast<std::int16_t>(group.names.size());
    SoundLock lock;
    if (group.count == 0 || !groups)
        return nullptr;
    groups->push_front(std::move(group));
    return &groups->front();
}

void PlaySoundGroup(const SoundGroup* group, int x1, int y1, int x2, int y2)
{
    if (!group || group->count == 0)
        return;
    int pick = 0;
    if (group->count > 1) {
        SoundLock lock;
        pick = group->count * sndRandom.nextUnsigned() / 32768;
    }
    PlaySoundAt(x1, y1, group->names[static_cast<std::size_t>(pick)], x2, y2, 1.0f);
}

Sound* PlaySoundAt(int x1, int y1, std::string_view name, int x2, int y2, float k)
{
    SoundLock lock;
    ReapSounds();
    if (name.empty() || GetSoundVolume(SND_MODE_EFFECTS) < 0.01f)
        return nullptr;
    auto* bank = dynamic_cast<BankSound*>(SoundFind(name));
    if (!bank || k <= 0.0f)
        return nullptr;
    k = std::min(k, 1.0f);
    const long long dx = x1 - x2, dy = y1 - y2;
    const long long a = bank->r2 - dx * dx - dy * dy;
    if (a <= 0)
        return nullptr;
    const float r2 = static_cast<float>(bank->r2);
    BankSound* copy = bank->Duplicate();
    copy->SetVolume(bank->minVolume + (bank->maxVolume - bank->minVolume) * static_cast<float>(a) * k / r2);
    copy->SetPan(bank->panRange * static_cast<float>(a - bank->r2) * static_cast<float>(signOf(static_cast<int>(dx))) / r2);
    copy->bOneShot = true;
    copy->Play(false);
    return copy;
}
