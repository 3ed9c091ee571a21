#pragma once
// Music: the menu and the game track named in "music.ini", always
// streamed, changed with a one-second cross-fade.

#include <string>
#include <string_view>

class Sound;

constexpr int MUSIC_NONE = 0;
constexpr int MUSIC_MENU = 1;
constexpr int MUSIC_GAME = 2;

class MusicPlayer {
public:
    // Reads the two track paths; a path whose file is missing is emptied.
    void Load();
    // Starts the menu (1) or game (2) track, looping; records the kind.
    void Play(int kind);
    // Fades the music out and stops it.
    void Stop();

    int kind = -1;
    std::string gamePath;
    std::string menuPath;
};

// The track now playing or last played, and the one waiting for it to fade out.
extern Sound* curMusic;
extern Sound* nextMusic;
extern bool nextMusicLoop;

void PlayMusic(std::string_view name, bool bLoop);
void StopMusic(bool fade);

// The one player: created and loaded by SoundInit, freed by SoundDone;
// none while sound is off.
MusicPlayer* GetMusicPlayer();
void createMusicPlayer();
void freeMusicPlayer();
