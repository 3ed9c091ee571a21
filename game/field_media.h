#pragma once
// The pictures and sounds the field uses, behind an interface so the board
// runs without a window or an audio device. The game supplies the sprite
// registry and the sound bank; headless runs use NoFieldMedia.

#include <array>
#include <string_view>

class Sprite;

// The bank sections the field plays, looked up once when it is created.
inline constexpr std::array<std::string_view, 20> FIELD_SOUNDS = {
    "select_gift", "row",  "row3",  "row4",     "row5", "swap",  "swapback",
    "help",        "bad",  "badremove", "block", "fall", "magic", "raduga",
    "teleport",    "done", "warning",   "start", "bonus_score", "bonus_wand"};

class FieldMedia {
public:
    virtual ~FieldMedia() = default;
    // A picture, made a strip of frames shown over periodMs when frames > 1;
    // nullptr when absent.
    virtual Sprite* loadPicture(const char* name, int frames, int periodMs) = 0;
    // Plays a sound of FIELD_SOUNDS from the listener (x1, y1) at the source
    // (x2, y2).
    virtual void playSound(std::string_view name, int x1, int y1, int x2, int y2) = 0;
    // The birth sound: the file named by "name0" of the bank's "birth" section.
    virtual void playBirth() = 0;
    // The size of one frame of a picture; a missing picture counts as a
    // gift's size when it is created.
    virtual void frameSize(const Sprite* picture, int& width, int& height)
    {
        (void)picture;
        width = height = 44;
    }
};

// No pictures and no sounds.
class NoFieldMedia final : public FieldMedia {
public:
    Sprite* loadPicture(const char*, int, int) override { return nullptr; }
    void playSound(std::string_view, int, int, int, int) override {}
    void playBirth() override {}
};
