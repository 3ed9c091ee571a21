#include "sound/music_player.h"

#include "foundation/binary_fields.h"
#include "foundation/ini.h"
#include "sound/sound.h"
#include "sound/sound_engine.h"
#include "sound/sound_lock.h"
#include "sound/sound_text.h"

#include <memory>

Sound* curMusic = nullptr;
Sound* nextMusic = nullptr;
bool nextMusicLoop = true;

namespace {

constexpr const char* kMusicFile = "DATA\\sound\\music.ini";

std::unique_ptr<MusicPlayer> player;

std::string trackPath(const char* key)
{
    std::string path = iniGetString(kMusicFile, "main", key);
    return fileExists(path) ? path : std::string();
}

// Runs on the service thread when the old track has faded out and stopped.
void switchTrack()
{
    if (!nextMusic)
        return;
    curMusic = nextMusic;
    nextMusic = nullptr;
    curMusic->Fade(FADE_IN, nullptr);
    curMusic->Play(nextMusicLoop);
}

void stopCurrentTrack()
{
    if (curMusic)
        curMusic->Stop();
}

}  // namespace

void MusicPlayer::Load()
{
    gamePath = trackPath("game");
    menuPath = trackPath("menu");
    kind = MUSIC_NONE;
}

void MusicPlayer::Play(int newKind)
{
    kind = newKind;
    if (kind == MUSIC_MENU && !menuPath.empty())
        PlayMusic(menuPath, true);
    else if (kind == MUSIC_GAME && !gamePath.empty())
        PlayMusic(gamePath, true);
}

void MusicPlayer::Stop()
{
    StopMusic(true);
    kind = MUSIC_NONE;
}

void PlayMusic(std::string_view name, bool bLoop)
{
    SoundLock lock;
    nextMusicLoop = bLoop;
    const bool playing = curMusic && curMusic->IsPlaying();
    const bool otherName = !name.empty() && curMusic && !sameTextIgnoringCase(name, curMusic->name);
    if (!curMusic || (!playing && otherName)) {
        curMusic = SoundLoad(name, SND_MODE_MUSIC);
        if (!curMusic)
            return;
        curMusic->Fade(FADE_IN, nullptr);
        curMusic->Play(bLoop);
        return;
    }
    if (playing) {
        if (!otherName)
            return;
        nextMusic = SoundLoad(name, SND_MODE_MUSIC);
        curMusic->Play(bLoop);
        curMusic->Fade(FADE_OUT, switchTrack);
        return;
    }
    curMusic->Play(bLoop);
}

void StopMusic(bool fade)
{
    SoundLock lock;
    if (!curMusic)
        return;
    if (fade)
        curMusic->Fade(FADE_OUT, stopCurrentTrack);
    else
        curMusic->Stop();
}

MusicPlayer* GetMusicPlayer() { return player.get(); }

void createMusicPlayer()
{
    SoundLock lock;
    if (player)
        return;
    player = std::make_unique<MusicPlayer>();
    player->Load();
}

void freeMusicPlayer()
{
    SoundLock lock;
    player.reset();
    curMusic = nextMusic = nullptr;
    nextMusicLoop = true;
}
