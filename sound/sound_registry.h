#pragma once
// The registry of every Sound: a growable array of pointers with a count.
// Entries are not compacted: a destroyed sound leaves an empty entry that
// the next registration reuses.

#include <cstddef>
#include <string_view>
#include <vector>

class Sound;

class SoundList {
public:
    static constexpr std::size_t kStartCapacity = 200;

    SoundList() : entries_(kStartCapacity, nullptr) {}
    // Frees the sounds still registered at process exit.
    ~SoundList();
    SoundList(const SoundList&) = delete;
    SoundList& operator=(const SoundList&) = delete;

    // Takes the first empty entry below the count, else appends, growing
    // the capacity by half when it is full.
    void add(Sound* sound);
    void remove(const Sound* sound);
    // The first sound whose name equals name without regard to case.
    Sound* find(std::string_view name) const;

    std::size_t count() const { return count_; }
    std::size_t capacity() const { return entries_.size(); }
    Sound* at(std::size_t index) const { return entries_[index]; }

private:
    std::vector<Sound*> entries_;
    std::size_t count_ = 0;
};

extern SoundList sndList;
