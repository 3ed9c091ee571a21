#pragma once
// Every data file the program asks for, with what each must be: pictures
// (with their frame counts, alpha companions and size limits), fonts with
// their metric files, letters, cursors, and the sound bank and music list
// whose files are checked from their contents.

#include <string>
#include <vector>

namespace datacheck {

enum class Kind { Picture, Font, Cursor };

struct Expected {
    std::string name;     // the game's name, as the program asks for it
    Kind kind = Kind::Picture;
    int frames = 1;       // frames stacked vertically (the height divides by it)
    bool companion = false;
    int maxSide = 0;      // when not 0, width and height of one frame at most this
    int bands = 1;        // fonts: bands of glyphs
};

std::vector<Expected> expectedFiles();

// Characters the word pictures and letter popups set in letter pictures.
const std::string& letterCharacters();

// Sections of the sound bank that the program plays.
std::vector<std::string> soundSections();

inline const char* const kSoundBank = "data\\sound\\sound.ini";
inline const char* const kMusicList = "DATA\\sound\\music.ini";

}  // namespace datacheck
