#include "sound/sound_registry.h"

#include "sound/sound.h"

#include "sound/sound_text.h"

#include <algorithm>

SoundList sndList;

SoundList::~SoundList()
{
    std::vector<Sound*> left;
    left.swap(entries_);
    count_ = 0;
    for (Sound* sound : left)
        delete sound;
}

void SoundList::add(Sound* sound)
{
    const auto end = entries_.begin() + static_cast<std::ptrdiff_t>(count_);
    const auto hole = std::find(entries_.begin(), end, nullptr);
    if (hole != end) {
        *hole = sound;
        return;
    }
    if (count_ == entries_.size())
        entries_.resize(entries_.size() + entries_.size() / 2, nullptr);
    entries_[count_++] = sound;
}

void SoundList::remove(const Sound* sound)
{
    const auto end = entries_.begin() + static_cast<std::ptrdiff_t>(count_);
    const auto it = std::find(entries_.begin(), end, sound);
    if (it != end)
        *it = nullptr;
}

Sound* SoundList::find(std::string_view name) const
{
    for (std::size_t i = 0; i < count_; ++i)
        if (entries_[i] && sameTextIgnoringCase(entries_[i]->name, name))
            return entries_[i];
    return nullptr;
}
