#include "sound/bank_sound.h"
#include "sound/music_player.h"
#include "sound/sound_group.h"
#include "sound/sound_registry.h"
#include "sound/sound_volume.h"

#include "support/offline_sound.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* kBank = "DATA\\SOUND\\sound.ini";
constexpr const char* kGroups = "data\\sound\\sound.ini";

class SoundBank : public OfflineSound {
protected:
    void SetUp() override
    {
        OfflineSound::SetUp();
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"})
            folder.writeBytes(std::string("data/sound/") + name + ".wav", wavFile({}, framePcm(4000)));
        sndRandom.seed(GameRandom::kStartState);
    }

    void writeBank(const std::string& text)
    {
        folder.write("data/sound/sound.ini", text);
        LoadSoundBank(kBank);
    }

    static BankSound& bank(const char* name)
    {
        auto* sound = dynamic_cast<BankSound*>(SoundFind(name));
        EXPECT_NE(sound, nullptr) << name;
        return *sound;
    }
};

constexpr const char* kStandardBank =
    "[main]\npan=0.5\nmaxvolume=1\nminvolume=0\nr=100\n"
    "[two]\nname0=data\\sound\\a.wav\nname1=data\\sound\\b.wav\n"
    "[one]\nname0=data\\sound\\c.wav\nmaxvolume=0.8\nminvolume=0.2\npan=\nmaxfrq=1.5\nminfrq=0.5\n"
    "[ten]\nname0=data\\sound\\a.wav\nname1=data\\sound\\b.wav\nname2=data\\sound\\c.wav\n"
    "name3=data\\sound\\d.wav\nname4=data\\sound\\e.wav\nname5=data\\sound\\f.wav\nname6=data\\sound\\g.wav\n"
    "name7=data\\sound\\h.wav\nname8=data\\sound\\i.wav\nname9=data\\sound\\j.wav\n"
    "[deaf]\nname0=data\\sound\\k.wav\nr=0\n"
    "[gap]\nname0=data\\sound\\e.wav\nname2=data\\sound\\f.wav\n";

}  // namespace

TEST_F(SoundBank, ParametersFallBackToMainAndTheFirstSectionWins)
{
    writeBank(kStandardBank);
    const BankSound& c = bank("data\\sound\\c.wav");
    EXPECT_TRUE(c.lpDSBuffer);
    EXPECT_FLOAT_EQ(c.maxVolume, 0.8f);
    EXPECT_FLOAT_EQ(c.minVolume, 0.2f);
    EXPECT_FLOAT_EQ(c.panRange, 0.5f) << "an empty value falls back to main";
    EXPECT_FLOAT_EQ(c.maxFrq, 1.5f);
    EXPECT_FLOAT_EQ(c.minFrq, 0.5f);
    EXPECT_EQ(c.r2, 10000);
    EXPECT_FLOAT_EQ(c.Volume, 0.8f);
    const BankSound& a = bank("data\\sound\\a.wav");
    EXPECT_FLOAT_EQ(a.maxVolume, 1.0f);
    EXPECT_FLOAT_EQ(a.minFrq, 1.0f) << "no maxfrq anywhere: both 1";
    EXPECT_FLOAT_EQ(a.maxFrq, 1.0f);
    EXPECT_EQ(bank("data\\sound\\d.wav").r2, 10000) << "the first section naming d.wav wins";
    EXPECT_EQ(SoundFind("data\\sound\\f.wav")->name, "data\\sound\\f.wav");
    EXPECT_EQ(SoundFind("data\\sound\\e.wav")->name, "data\\sound\\e.wav");
}

TEST_F(SoundBank, ListStopsAtTheFirstMissingName)
{
    writeBank(kStandardBank);
    const SoundGroup* gap = LoadSoundGroup(kGroups, "gap");
    ASSERT_NE(gap, nullptr);
    EXPECT_EQ(gap->count, 1);
    EXPECT_EQ(LoadSoundGroup(kGroups, "ten")->count, 10);
    EXPECT_EQ(LoadSoundGroup(kGroups, "two")->count, 2);
    EXPECT_EQ(LoadSoundGroup(kGroups, "absent"), nullptr);
    EXPECT_EQ(LoadSoundGroup(kGroups, "main"), nullptr);
    EXPECT_NE(LoadSoundGroup(kGroups, "two"), LoadSoundGroup(kGroups, "two")) << "each user its own group";
}

TEST_F(SoundBank, GroupPicksFollowTheFixedSequence)
{
    writeBank(kStandardBank);
    const SoundGroup* one = LoadSoundGroup(kGroups, "one");
    PlaySoundGroup(one, 10, 10, 10, 10);
    EXPECT_EQ(sndRandom.state(), GameRandom::kStartState) << "one name: no draw";
    const SoundGroup* ten = LoadSoundGroup(kGroups, "ten");
    GameRandom expected;
    for (int play = 0; play < 8; ++play) {
        PlaySoundGroup(ten, 10, 10, 10, 10);
        const int pick = 10 * expected.nextUnsigned() / 32768;
        const std::string name = ten->names[static_cast<std::size_t>(pick)];
        bool found = false;
        for (std::size_t i = 0; i < sndList.count(); ++i)
            if (Sound* s = sndList.at(i); s && s->bOneShot && s->IsPlaying() && s->name == name)
                found = true;
        EXPECT_TRUE(found) << play << " " << name;
        ReapSounds();
        mix(5000);
    }
    PlaySoundGroup(nullptr, 0, 0, 0, 0);
}

TEST_F(SoundBank, VolumeAndPanFollowTheDistance)
{
    writeBank(kStandardBank);
    struct Case {
        int x1, y1, x2, y2;
        bool plays;
        float volume, pan;
    };
    const Case cases[] = {
        {100, 100, 100, 100, true, 1.0f, 0.0f},   {100, 100, 50, 100, true, 0.75f, -0.125f},
        {100, 100, 150, 100, true, 0.75f, 0.125f}, {100, 100, 100, 150, true, 0.75f, 0.0f},
        {100, 100, 0, 100, false, 0, 0},           {100, 100, 100, 300, false, 0, 0},
        {100, 100, 11, 100, true, 0.2079f, -0.39605f},
    };
    for (const Case& c : cases) {
        Sound* copy = PlaySoundAt(c.x1, c.y1, "data\\sound\\a.wav", c.x2, c.y2, 1.0f);
        ASSERT_EQ(copy != nullptr, c.plays) << c.x2 << "," << c.y2;
        if (!copy)
            continue;
        EXPECT_NEAR(copy->Volume, c.volume, 1e-4) << c.x2 << "," << c.y2;
        EXPECT_NEAR(copy->pan, c.pan, 1e-4) << c.x2 << "," << c.y2;
        EXPECT_EQ(bufferVolume(*copy), ToDirectVolume(c.volume));
        EXPECT_TRUE(copy->bOneShot);
        EXPECT_TRUE(copy->IsPlaying());
    }
    Sound* half = PlaySoundAt(1, 1, "data\\sound\\a.wav", 1, 1, 0.5f);
    EXPECT_FLOAT_EQ(half->Volume, 0.5f);
    EXPECT_FLOAT_EQ(PlaySoundAt(1, 1, "data\\sound\\a.wav", 1, 1, 7.0f)->Volume, 1.0f);
    EXPECT_EQ(PlaySoundAt(1, 1, "data\\sound\\a.wav", 1, 1, 0.0f), nullptr);
    EXPECT_EQ(PlaySoundAt(1, 1, "data\\sound\\k.wav", 1, 1, 1.0f), nullptr) << "radius 0: inaudible";
    EXPECT_EQ(PlaySoundAt(1, 1, "data\\sound\\none.wav", 1, 1, 1.0f), nullptr);
    EXPECT_EQ(PlaySoundAt(1, 1, "", 1, 1, 1.0f), nullptr);
}

TEST_F(SoundBank, NoRadiusAnywhereIsInaudible)
{
    writeBank("[main]\nmaxvolume=1\n[x]\nname0=data\\sound\\a.wav\n");
    EXPECT_EQ(bank("data\\sound\\a.wav").r2, 0);
    EXPECT_EQ(PlaySoundAt(5, 5, "data\\sound\\a.wav", 5, 5, 1.0f), nullptr);
}

TEST_F(SoundBank, MutedEffectsMakeNoCopies)
{
    writeBank(kStandardBank);
    SetSoundVolume(0.005f, SND_MODE_EFFECTS);
    EXPECT_EQ(PlaySoundAt(1, 1, "data\\sound\\a.wav", 1, 1, 1.0f), nullptr);
    SetSoundVolume(0.01f, SND_MODE_EFFECTS);
    EXPECT_NE(PlaySoundAt(1, 1, "data\\sound\\a.wav", 1, 1, 1.0f), nullptr);
}

TEST_F(SoundBank, FinishedCopiesAreReapedByTheNextPlay)
{
    writeBank(kStandardBank);
    Sound* first = PlaySoundAt(1, 1, "data\\sound\\a.wav", 1, 1, 1.0f);
    std::size_t entry = 0;
    while (sndList.at(entry) != first)
        ++entry;
    const std::size_t count = sndList.count();
    mix(5000);
    Sound* second = PlaySoundAt(1, 1, "data\\sound\\a.wav", 1, 1, 1.0f);
    EXPECT_EQ(sndList.at(entry), second) << "the finished copy's entry is reused";
    EXPECT_EQ(sndList.count(), count);
}

TEST(SoundBankOff, GroupsAreNoneAndBankSoundsHaveNoBuffers)
{
    TempFolder folder;
    folder.write("data/sound/sound.ini", "[x]\nname0=a.wav\n");
    folder.writeBytes("a.wav", wavFile({}, framePcm(100)));
    LoadSoundBank(kBank);
    ASSERT_NE(SoundFind("a.wav"), nullptr);
    EXPECT_FALSE(SoundFind("a.wav")->lpDSBuffer);
    EXPECT_EQ(LoadSoundGroup(kGroups, "x"), nullptr);
    EXPECT_EQ(GetMusicPlayer(), nullptr);
    SoundDone();
}

class Music : public OfflineSound {
protected:
    void SetUp() override
    {
        folder.writeBytes("data/sound/menu.ogg", oggTone(2, 44100, 60000));
        folder.writeBytes("data/sound/game.wav", wavFile({}, framePcm(60000)));
        folder.write("data/sound/music.ini",
                     "[main]\nmenu=data\\sound\\menu.ogg\ngame=data\\sound\\game.wav\n");
        OfflineSound::SetUp();
    }

    static void passes(int count)
    {
        for (int i = 0; i < count; ++i)
            tick();
    }
};

TEST_F(Music, PlayerReadsItsTracks)
{
    MusicPlayer* player = GetMusicPlayer();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->kind, MUSIC_NONE);
    EXPECT_EQ(player->menuPath, "data\\sound\\menu.ogg");
    EXPECT_EQ(player->gamePath, "data\\sound\\game.wav");
}

TEST(MusicMissing, AMissingTrackIsNeverPlayed)
{
    TempFolder folder;
    folder.write("data/sound/music.ini", "[main]\nmenu=data\\sound\\menu.ogg\n");
    SoundInit(nullptr, platform::AudioOutput::Offline, SoundService::Manual);
    MusicPlayer* player = GetMusicPlayer();
    EXPECT_EQ(player->menuPath, "");
    folder.writeBytes("data/sound/menu.ogg", oggTone(1, 44100, 1000));
    player->Play(MUSIC_MENU);
    EXPECT_EQ(player->kind, MUSIC_MENU);
    EXPECT_EQ(curMusic, nullptr);
    SoundDone();
}

TEST_F(Music, CrossFadesBetweenTracks)
{
    MusicPlayer* player = GetMusicPlayer();
    player->Play(MUSIC_MENU);
    Sound* menu = curMusic;
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->fsnd) << "music is streamed";
    EXPECT_TRUE(menu->IsPlaying());
    EXPECT_EQ(menu->fadeKind, unsigned(FADE_IN));
    passes(20);
    EXPECT_EQ(menu->fadeKind, unsigned(FADE_NONE));
    EXPECT_EQ(bufferVolume(*menu), 0);

    player->Play(MUSIC_MENU);
    EXPECT_EQ(curMusic, menu);
    EXPECT_EQ(menu->fadeKind, unsigned(FADE_NONE)) << "the playing track changes nothing";

    player->Play(MUSIC_GAME);
    ASSERT_NE(nextMusic, nullptr);
    Sound* game = nextMusic;
    EXPECT_EQ(menu->fadeKind, unsigned(FADE_OUT));
    passes(19);
    EXPECT_EQ(curMusic, menu);
    EXPECT_TRUE(menu->IsPlaying());
    EXPECT_FALSE(game->IsPlaying());
    tick();
    EXPECT_EQ(curMusic, game);
    EXPECT_EQ(nextMusic, nullptr);
    EXPECT_FALSE(menu->IsPlaying());
    EXPECT_TRUE(game->IsPlaying());
    EXPECT_EQ(game->fadeKind, unsigned(FADE_IN));
    passes(20);
    EXPECT_EQ(game->fadeKind, unsigned(FADE_NONE));
    EXPECT_EQ(bufferVolume(*game), 0);

    player->Stop();
    EXPECT_EQ(player->kind, MUSIC_NONE);
    passes(20);
    EXPECT_FALSE(game->IsPlaying());
    EXPECT_EQ(game->dwWritten, SND_STREAM_SIZE) << "rewound";

    player->Play(MUSIC_GAME);
    EXPECT_TRUE(game->IsPlaying());
    EXPECT_EQ(game->fadeKind, unsigned(FADE_NONE)) << "the stopped current track restarts at full level";
    EXPECT_EQ(SoundFind("data\\sound\\menu.ogg"), menu) << "tracks stay registered";
}

TEST_F(Music, StopWithoutFadeIsImmediate)
{
    PlayMusic("data\\sound\\menu.ogg", true);
    ASSERT_NE(curMusic, nullptr);
    StopMusic(false);
    EXPECT_FALSE(curMusic->IsPlaying());
    PlayMusic("", true);
    EXPECT_TRUE(curMusic->IsPlaying());
}
