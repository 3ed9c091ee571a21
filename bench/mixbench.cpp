// Mixes 32 voices for 60 s of audio on the offline output: 30 static
// duplicates of one effect (some resampled, all panned) and two streamed
// Ogg tracks, with a service pass every 50 ms as the service thread does.
// Prints the mixing time and the Ogg decoding time per second of audio.
#include "platform/audio.h"
#include "platform/paths.h"
#include "sound/sound.h"
#include "sound/sound_engine.h"
#include "tools/mkdata/ogg_writer.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<unsigned char>;

constexpr int kRate = 44100;
constexpr int kSeconds = 60;
constexpr std::uint32_t kTickFrames = kRate / 20;

float tone(long frame, float hz) { return 0.3f * std::sin(6.2831853f * hz * static_cast<float>(frame) / kRate); }

void putU32(Bytes& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

// One second of a stereo 16-bit tone as a WAV file.
Bytes effectWav()
{
    Bytes out {'R', 'I', 'F', 'F'};
    const std::uint32_t pcmBytes = kRate * 4;
    putU32(out, 36 + pcmBytes);
    for (char c : std::string("WAVEfmt "))
        out.push_back(static_cast<unsigned char>(c));
    putU32(out, 16);
    const unsigned char format[] = {1, 0, 2, 0};
    out.insert(out.end(), format, format + 4);
    putU32(out, kRate);
    putU32(out, kRate * 4);
    const unsigned char layout[] = {4, 0, 16, 0, 'd', 'a', 't', 'a'};
    out.insert(out.end(), layout, layout + 8);
    putU32(out, pcmBytes);
    for (long f = 0; f < kRate; ++f)
        for (int c = 0; c < 2; ++c) {
            const auto v = static_cast<std::int16_t>(tone(f, 660.0f) * 32767.0f);
            out.push_back(static_cast<unsigned char>(v & 0xff));
            out.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
        }
    return out;
}

// A stereo Ogg Vorbis track of a tone.
Bytes oggTrack(int seconds, float hz)
{
    std::vector<std::int16_t> pcm;
    const long frames = long {seconds} * kRate;
    pcm.reserve(static_cast<std::size_t>(frames * 2));
    for (long f = 0; f < frames; ++f) {
        const auto v = static_cast<std::int16_t>(tone(f, hz) * 32767.0f);
        pcm.push_back(v);
        pcm.push_back(v);
    }
    return mkdata::encodeOgg(pcm, 2, kRate, 0.4f);
}

double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main()
{
    namespace fs = std::filesystem;
    const fs::path scratch = fs::temp_directory_path() / "giftfall-mixbench";
    fs::create_directories(scratch);
    fs::current_path(scratch);
    platform::forgetDirectoryListings();
    const Bytes wav = effectWav();
    const Bytes ogg1 = oggTrack(10, 220.0f), ogg2 = oggTrack(13, 330.0f);
    platform::writeWholeFile("effect.wav", wav.data(), wav.size());
    platform::writeWholeFile("track1.ogg", ogg1.data(), ogg1.size());
    platform::writeWholeFile("track2.ogg", ogg2.data(), ogg2.size());

    SoundInit(nullptr, platform::AudioOutput::Offline, SoundService::Manual);
    SetSoundVolume(1.0f, SND_MODE_EFFECTS);
    SetSoundVolume(1.0f, SND_MODE_MUSIC);
    Sound* effect = SoundLoad("effect.wav", SND_MODE_EFFECTS);
    std::vector<Sound*> voices;
    for (int i = 0; i < 30; ++i) {
        Sound* copy = effect->Duplicate();
        copy->SetVolume(0.1f);
        copy->SetPan(-1.0f + static_cast<float>(i) / 15.0f);
        if (i % 3 == 0)
            copy->SetFrequency(0.8f + 0.02f * static_cast<float>(i));
        copy->Play(true);
        voices.push_back(copy);
    }
    SoundLoad("track1.ogg", SND_MODE_MUSIC)->Play(true);
    SoundLoad("track2.ogg", SND_MODE_MUSIC)->Play(true);

    std::vector<std::int16_t> out(kTickFrames * 2);
    Clock::duration mixing {}, service {};
    for (int tick = 0; tick < kSeconds * 20; ++tick) {
        const auto start = Clock::now();
        platform::audioMixOffline(out.data(), kTickFrames);
        const auto mixed = Clock::now();
        SoundServicePass();  // the stream refills: Ogg decoding
        service += Clock::now() - mixed;
        mixing += mixed - start;
    }
    SoundDone();
    fs::current_path(scratch.parent_path());
    fs::remove_all(scratch);

    std::printf("voices 32 (30 static duplicates, 2 streamed Ogg tracks), audio %d s\n", kSeconds);
    std::printf("mix_ms_per_audio_second %.3f\n", milliseconds(mixing) / kSeconds);
    // Both tracks together: the decoding cost of one second of playing music.
    std::printf("ogg_decode_ms_per_audio_second %.3f\n", milliseconds(service) / kSeconds);
    return 0;
}
