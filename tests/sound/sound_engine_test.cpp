#include "platform/audio_mixer.h"
#include "platform/message_box.h"
#include "sound/ogg_file.h"
#include "sound/sound.h"
#include "sound/sound_engine.h"
#include "sound/sound_lock.h"
#include "sound/sound_registry.h"
#include "sound/sound_volume.h"

#include "support/offline_sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

TEST(ToDirectVolume, FollowsTheReferenceCurve)
{
    const std::pair<int, long> levels[] = {{0, -10000}, {1, -6726}, {2, -5555}, {13, -2771}, {64, -1093},
                                           {128, -512}, {191, -208}, {254, -3},    {255, 0}};
    for (auto [level, expected] : levels)
        EXPECT_EQ(ToDirectVolume(static_cast<float>(level) / 255.0f), expected) << level;
    EXPECT_EQ(ToDirectVolume(0.5f), -512);
    for (int level = 0; level <= 255; ++level)
        EXPECT_NEAR(FromDirectVolume(ToDirectVolume(level / 255.0f)), level / 255.0f, 1e-6) << level;
}

TEST(SoundOff, EverySoundLoadsWithoutABuffer)
{
    TempFolder folder;
    folder.writeBytes("a.wav", wavFile({}, framePcm(100)));
    ASSERT_FALSE(SoundIsOn());
    Sound* sound = SoundLoad("a.wav", 0);
    ASSERT_NE(sound, nullptr);
    EXPECT_FALSE(sound->lpDSBuffer);
    sound->Play(true);
    sound->SetVolume(0.5f);
    sound->SetPan(-0.5f);
    EXPECT_FALSE(sound->IsPlaying());
    EXPECT_EQ(sound->GetVolume(), 0.5f);
    EXPECT_EQ(sound->GetPan(), -0.5f);
    SoundDone();
    EXPECT_EQ(SoundFind("a.wav"), nullptr);
}

using SoundEngine = OfflineSound;

TEST_F(SoundEngine, SoundLoadReusesARegisteredName)
{
    folder.writeBytes("a.wav", wavFile({}, framePcm(100)));
    Sound* first = SoundLoad("a.wav", SND_MODE_EFFECTS);
    ASSERT_TRUE(first && first->lpDSBuffer);
    EXPECT_EQ(SoundLoad("A.WAV", SND_MODE_MUSIC), first);
    EXPECT_EQ(first->sndMode, unsigned(SND_MODE_EFFECTS));
    EXPECT_EQ(SoundFind("a.Wav"), first);
    EXPECT_EQ(SoundLoad("", 0), nullptr);
}

TEST_F(SoundEngine, BadFilesLeaveTheSoundWithoutABuffer)
{
    folder.writeBytes("empty.wav", {});
    folder.writeBytes("garbage.wav", Bytes(3000, 0x33));
    folder.writeBytes("nodata.wav", riffWave({fmtChunk({})}));
    folder.writeBytes("adpcm.wav", [] {
        Bytes file = wavFile({}, framePcm(100));
        file[20] = 2;  // not PCM
        return file;
    }());
    folder.writeBytes("garbage.ogg", Bytes(3000, 0x33));
    folder.writeBytes("half.ogg", [] {
        Bytes ogg = oggTone(2, 44100, 20000);
        ogg.resize(ogg.size() / 2);
        return ogg;
    }());
    std::vector<std::string> boxes;
    platform::setMessageBoxObserver([&boxes](const std::string& text, const std::string& caption) {
        boxes.push_back(caption + ": " + text);
    });
    for (const char* name : {"missing.wav", "empty.wav", "garbage.wav", "nodata.wav", "adpcm.wav", "garbage.ogg",
                             "x.mp3"}) {
        Sound* sound = SoundLoad(name, 0);
        ASSERT_NE(sound, nullptr) << name;
        EXPECT_FALSE(sound->lpDSBuffer) << name;
        EXPECT_FALSE(sound->fsnd) << name;
        EXPECT_EQ(SoundFind(name), sound);
    }
    platform::setMessageBoxObserver({});
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "sound file is bad: missing.wav"), boxes.end());
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "sound file is bad: x.mp3"), boxes.end());
    Sound* half = SoundLoad("half.ogg", SND_MODE_MUSIC);
    half->Play(true);
    for (int i = 0; i < 40; ++i)
        tick();
}

TEST_F(SoundEngine, StaticUpToOneMebibyteAndStreamedBeyond)
{
    const std::uint32_t frames = SND_STATIC_MAX / 4;
    folder.writeBytes("exact.wav", wavFile({}, framePcm(frames)));
    Bytes pcm = framePcm(frames);
    pcm.push_back(0);
    folder.writeBytes("more.wav", wavFile({}, pcm));
    folder.writeBytes("short.wav", wavFile({}, framePcm(100)));
    Sound* exact = SoundLoad("exact.wav", SND_MODE_EFFECTS);
    Sound* more = SoundLoad("more.wav", SND_MODE_EFFECTS);
    Sound* music = SoundLoad("short.wav", SND_MODE_MUSIC);
    EXPECT_FALSE(exact->fsnd);
    EXPECT_EQ(platform::audioBufferSize(*exact->lpDSBuffer), SND_STATIC_MAX);
    EXPECT_EQ(exact->dwWritten, SND_STATIC_MAX);
    for (Sound* streamed : {more, music}) {
        EXPECT_TRUE(streamed->fsnd);
        EXPECT_EQ(platform::audioBufferSize(*streamed->lpDSBuffer), SND_STREAM_SIZE);
        EXPECT_EQ(streamed->dwWritten, SND_STREAM_SIZE);
    }
    EXPECT_FLOAT_EQ(more->GetLength(), (SND_STATIC_MAX + 1) / (44100.0f * 4));
    EXPECT_EQ(exact->GetLength(), 0.0f);
}

TEST_F(SoundEngine, VolumePanAndFrequencyValues)
{
    folder.writeBytes("a.wav", wavFile({}, framePcm(100)));
    Sound* sound = SoundLoad("a.wav", 0);
    const std::pair<float, long> frequencies[] = {{0.001f, 100}, {3.0f, 100000}, {0.5f, 22050}, {1.0f, 44100}};
    for (auto [factor, hz] : frequencies) {
        sound->SetFrequency(factor);
        EXPECT_EQ(bufferFrequency(*sound), hz) << factor;
    }
    EXPECT_FLOAT_EQ(sound->GetFrequency(), 1.0f);
    const std::pair<float, long> pans[] = {{-1.0f, -10000}, {1.0f, 10000}, {0.25f, 208}, {0.5f, 512}, {-0.5f, -512}, {0.0f, 0}};
    for (auto [pan, value] : pans) {
        sound->SetPan(pan);
        EXPECT_EQ(bufferPan(*sound), value) << pan;
        EXPECT_NEAR(sound->GetPan(), pan, 0.003f) << pan;
    }
    sound->SetVolume(0.5f);
    EXPECT_EQ(bufferVolume(*sound), -512);
    EXPECT_NEAR(sound->GetVolume(), 0.5f, 0.003f);
}

TEST_F(SoundEngine, MasterVolumeScalesEveryBufferOfItsMode)
{
    folder.writeBytes("a.wav", wavFile({}, framePcm(100)));
    folder.writeBytes("b.wav", wavFile({}, framePcm(100)));
    Sound* effect = SoundLoad("a.wav", SND_MODE_EFFECTS);
    Sound* music = SoundLoad("b.wav", SND_MODE_MUSIC);
    effect->SetVolume(0.5f);
    SetSoundVolume(0.0f, SND_MODE_EFFECTS);
    EXPECT_EQ(bufferVolume(*effect), -10000);
    EXPECT_EQ(bufferVolume(*music), 0);
    EXPECT_EQ(GetSoundVolume(SND_MODE_EFFECTS), 0.0f);
    SetSoundVolume(1.0f, SND_MODE_EFFECTS);
    EXPECT_EQ(bufferVolume(*effect), -512);
    EXPECT_EQ(effect->Volume, 0.5f);
}

TEST_F(SoundEngine, StreamRefillsWhatThePlayCursorPassed)
{
    const std::uint32_t frames = 100000;
    folder.writeBytes("long.wav", wavFile({}, framePcm(frames)));
    Sound* sound = SoundLoad("long.wav", SND_MODE_MUSIC);
    ASSERT_TRUE(sound->fsnd);
    EXPECT_EQ(sound->dwWritten, 131072u);
    sound->Play(true);
    EXPECT_EQ(sound->dwWritten, 131072u) << "the cursor at the ring position: full";
    mix(2205);
    EXPECT_EQ(playCursor(*sound), 8820u);
    SoundServicePass();
    EXPECT_EQ(sound->dwWritten, 139892u);
    SoundServicePass();
    EXPECT_EQ(sound->dwWritten, 139892u);

    // Played on through two turns of the ring and the end of the file, the
    // output is the file's frames without a gap.
    std::vector<std::int16_t> out;
    for (int i = 0; i < 60; ++i) {
        const auto step = tick();
        out.insert(out.end(), step.begin(), step.end());
    }
    for (std::uint32_t i = 0; i < out.size() / 2; ++i) {
        const std::uint32_t frame = (2205 + i) % frames;
        ASSERT_EQ(out[2 * i], static_cast<std::int16_t>(frame % 30000)) << i;
    }
}

TEST_F(SoundEngine, NonLoopingStreamStopsNearItsEndAndRewinds)
{
    const std::uint32_t frames = 80000;
    folder.writeBytes("long.wav", wavFile({}, framePcm(frames)));
    Sound* sound = SoundLoad("long.wav", SND_MODE_MUSIC);
    sound->Play(false);
    std::uint32_t played = 0;
    while (sound->IsPlaying() && played < 2 * frames) {
        tick();
        played += 2205;
    }
    EXPECT_LE(played, frames);
    EXPECT_GT(played, frames - 3 * 2205);
    EXPECT_FALSE(sound->bService);
    EXPECT_EQ(sound->dwWritten, SND_STREAM_SIZE);
    EXPECT_EQ(playCursor(*sound), 0u);
    mix(300);  // the stop's short fade-out
    sound->Play(false);
    const auto out = mix(2205);
    EXPECT_EQ(out[2 * 1000], 1000) << "starts again from the first frame";
}

TEST_F(SoundEngine, LoopingOggPlaysOnWithoutAGap)
{
    for (long frames : {40000L, 20000L}) {  // longer and shorter than the ring
        folder.writeBytes("loop.ogg", oggTone(2, 44100, frames));
        Sound* sound = SoundLoad("loop.ogg", SND_MODE_MUSIC);
        ASSERT_TRUE(sound->fsnd);
        OggFile reference;
        ASSERT_EQ(reference.Open("loop.ogg"), 0);
        std::vector<std::int16_t> decoded(std::size_t(frames) * 2);
        ASSERT_EQ(reference.Read(decoded.data(), std::uint32_t(frames) * 4, false), std::uint32_t(frames) * 4);
        sound->Play(true);
        std::vector<std::int16_t> out;
        for (int i = 0; i < 50; ++i) {
            const auto step = tick();
            out.insert(out.end(), step.begin(), step.end());
        }
        for (std::size_t i = 200; i < out.size(); ++i)
            ASSERT_EQ(out[i], decoded[i % decoded.size()]) << frames << " " << i;
        delete sound;
        mix(300);
    }
}

namespace {
int fadeCalls = 0;
void countFade() { ++fadeCalls; }
}  // namespace

TEST_F(SoundEngine, FadeOutOverTwentyPassesStopsAndCallsBackOnce)
{
    folder.writeBytes("a.wav", wavFile({}, framePcm(44100)));
    Sound* sound = SoundLoad("a.wav", 0);
    sound->SetVolume(0.8f);
    sound->Play(true);
    fadeCalls = 0;
    sound->Fade(FADE_OUT, countFade);
    for (int pass = 1; pass < 20; ++pass) {
        tick();
        EXPECT_EQ(bufferVolume(*sound), ToDirectVolume(0.8f * (1000 - 50 * pass) / 1000.0f)) << pass;
        EXPECT_TRUE(sound->IsPlaying());
    }
    EXPECT_EQ(fadeCalls, 0);
    tick();
    EXPECT_EQ(fadeCalls, 1);
    EXPECT_FALSE(sound->IsPlaying());
    EXPECT_EQ(playCursor(*sound), 0u);
    EXPECT_EQ(bufferVolume(*sound), ToDirectVolume(0.8f));
    EXPECT_FALSE(sound->bService);
    tick();
    EXPECT_EQ(fadeCalls, 1);
}

TEST_F(SoundEngine, FadeInStartsAtMinusTenDecibelsAndFollowsTheCurve)
{
    folder.writeBytes("a.ogg", oggTone(2, 44100, 100000));
    Sound* sound = SoundLoad("a.ogg", SND_MODE_MUSIC);
    sound->Fade(FADE_IN, nullptr);
    EXPECT_EQ(bufferVolume(*sound), -1000);
    sound->Play(true);  // one service step of its own
    EXPECT_EQ(bufferVolume(*sound), ToDirectVolume(0.05f));
    for (int pass = 2; pass < 20; ++pass) {
        tick();
        EXPECT_EQ(bufferVolume(*sound), ToDirectVolume(50 * pass / 1000.0f)) << pass;
    }
    tick();
    EXPECT_EQ(bufferVolume(*sound), 0);
    EXPECT_TRUE(sound->IsPlaying());
    EXPECT_TRUE(sound->bService) << "a stream stays in service";
}

TEST_F(SoundEngine, DuplicatesShareStaticSamplesAndStreamOnTheirOwn)
{
    folder.writeBytes("a.wav", wavFile({}, framePcm(1000)));
    folder.writeBytes("m.ogg", oggTone(1, 22050, 30000));
    Sound* original = SoundLoad("a.wav", 0);
    original->SetPan(0.5f);
    Sound* copy = original->Duplicate();
    EXPECT_NE(copy, original);
    EXPECT_EQ(copy->name, "a.wav");
    EXPECT_EQ(copy->pan, 0.5f);
    EXPECT_EQ(copy->lpDSBuffer->samples, original->lpDSBuffer->samples);
    Sound* music = SoundLoad("m.ogg", SND_MODE_MUSIC);
    Sound* second = music->Duplicate();
    EXPECT_TRUE(second->fsnd);
    EXPECT_NE(second->fsnd.get(), music->fsnd.get());
    EXPECT_EQ(SoundFind("a.wav"), original);
    delete copy;
}

TEST_F(SoundEngine, OneShotCopiesAreReapedOnceStopped)
{
    folder.writeBytes("a.wav", wavFile({}, framePcm(1000)));
    Sound* original = SoundLoad("a.wav", 0);
    Sound* copy = original->Duplicate();
    copy->bOneShot = true;
    copy->Play(false);
    ReapSounds();
    EXPECT_EQ(sndList.at(1), copy);
    mix(2000);
    ReapSounds();
    EXPECT_EQ(sndList.at(1), nullptr);
    EXPECT_EQ(sndList.at(0), original);
    Sound* next = original->Duplicate();
    EXPECT_EQ(sndList.at(1), next) << "the empty entry is reused";
}

TEST(SoundRegistry, GrowsByHalfAndKeepsHoles)
{
    TempFolder folder;
    std::vector<Sound*> sounds;
    for (int i = 0; i < 201; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "s%d", i);
        sounds.push_back(new Sound(name, 0));
    }
    EXPECT_EQ(sndList.capacity(), 300u);
    EXPECT_EQ(sndList.count(), 201u);
    delete sounds[5];
    EXPECT_EQ(sndList.count(), 201u);
    EXPECT_EQ(sndList.at(5), nullptr);
    sounds[5] = new Sound("again", 0);
    EXPECT_EQ(sndList.at(5), sounds[5]);
    SoundDone();
    EXPECT_EQ(SoundFind("s7"), nullptr);
}

TEST(SoundThread, RefillsStreamsOnItsOwn)
{
    TempFolder folder;
    folder.writeBytes("long.wav", wavFile({}, framePcm(100000)));
    SoundInit(nullptr, platform::AudioOutput::Offline, SoundService::Thread);
    SetSoundVolume(1.0f, SND_MODE_MUSIC);
    Sound* sound = SoundLoad("long.wav", SND_MODE_MUSIC);
    sound->Play(true);
    std::vector<std::int16_t> out(2205 * 2);
    platform::audioMixOffline(out.data(), 2205);
    bool refilled = false;
    for (int i = 0; i < 100 && !refilled; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        SoundLock lock;
        refilled = sound->dwWritten == 139892u;
    }
    EXPECT_TRUE(refilled);
    SoundDone();
    EXPECT_FALSE(SoundIsOn());
    SetSoundVolume(0.0f, SND_MODE_MUSIC);
}

TEST(SoundDevice, TheDefaultOutputPlaysOrTheGameRunsSilent)
{
    // Under the dummy driver SDL either opens its silent device or refuses;
    // both must leave a working, or a silent, sound system.
    TempFolder folder;
    folder.writeBytes("a.wav", wavFile({}, framePcm(4410)));
    SoundInit(nullptr);
    SetSoundVolume(1.0f, SND_MODE_EFFECTS);
    Sound* sound = SoundLoad("a.wav", SND_MODE_EFFECTS);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(static_cast<bool>(sound->lpDSBuffer), SoundIsOn());
    sound->Play(false);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    SoundDone();
    EXPECT_FALSE(platform::audioIsOpen());
    SetSoundVolume(0.0f, SND_MODE_EFFECTS);
}
