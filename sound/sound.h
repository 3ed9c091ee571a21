#pragma once
// A playable sound: a whole file in a static buffer, or a long sound or a
// music track streamed through a ring buffer that the service thread
// refills. Every Sound lives in the registry (sound_registry.h) from its
// creation until its destructor runs.

#include "platform/audio.h"
#include "sound/sound_file.h"

#include <cstdint>
#include <memory>
#include <string>

constexpr int SND_TICK = 50;                          // ms between service passes
constexpr int PERIOD_FADE = 1000;                     // ms of a fade
constexpr std::uint32_t SND_STREAM_SIZE = 131072;     // bytes of a streamed buffer
constexpr std::uint32_t SND_STATIC_MAX = 1048576;     // largest PCM length in a static buffer
constexpr int SND_FREQUENCY_BASE = 44100;             // Hz at frequency factor 1.0

constexpr int SND_MODE_EFFECTS = 0;
constexpr int SND_MODE_MUSIC = 1;

constexpr int FADE_NONE = 0;
constexpr int FADE_IN = 1;
constexpr int FADE_OUT = 2;

using FadeDone = void (*)();

// The operations every playable sound offers; the defaults do nothing.
class SoundInterface {
public:
    virtual ~SoundInterface() = default;
    virtual void Load() {}
    virtual void Unload() {}
    virtual void Play(bool) {}
    virtual void Pause() {}
    virtual void Stop() {}
    virtual void SetVolume(float) {}
    virtual void SetFrequency(float) {}
    virtual void SetPan(float) {}
    virtual SoundInterface* Duplicate() { return this; }
    virtual float GetFrequency() { return 0.0f; }
    virtual float GetVolume() { return 1.0f; }
    virtual float GetPan() { return 0.0f; }
    virtual bool IsPlaying() { return false; }
    virtual float GetLength() { return 0.0f; }
    virtual void Update() {}
    virtual void Fade(int, FadeDone) {}
};

class Sound : public SoundInterface {
public:
    // Registers the new sound; Load is the creator's to call.
    Sound(std::string_view file, int mode);
    ~Sound() override;
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void Load() override;
    void Unload() override;
    void Play(bool loop) override;
    void Pause() override;
    void Stop() override;
    void SetVolume(float value) override;
    void SetFrequency(float factor) override;
    void SetPan(float value) override;
    Sound* Duplicate() override;
    float GetFrequency() override;
    float GetVolume() override;
    float GetPan() override;
    bool IsPlaying() override;
    float GetLength() override;
    void Update() override;
    void Fade(int kind, FadeDone done) override;

    std::string fileName;
    std::string name;
    float Volume = 1.0f;
    float pan = 0.0f;
    int fadeTime = 0;
    unsigned bPlaying : 1 = 0;
    unsigned bLoop : 1 = 0;
    unsigned sndMode : 2 = 0;
    unsigned bService : 1 = 0;
    unsigned bOneShot : 1 = 0;
    unsigned fadeKind : 2 = 0;
    FadeDone fadeDone = nullptr;
    platform::AudioBufferPtr lpDSBuffer;
    std::unique_ptr<SoundFile> fsnd;
    std::uint32_t dwWritten = 0;

protected:
    // Gives the copy a buffer: its own stream, or a duplicate over the samples.
    void shareBufferWith(Sound& copy);

private:
    void fill(std::uint32_t offset, std::uint32_t bytes, SoundFile& file);
    void refillFromStart();
    bool wholeStreamInRing();
    void serviceStream();
    void serviceFade();
};
