#include "platform/audio_mixer.h"

#include <SDL.h>
#include <pthread.h>
#include <sched.h>

namespace platform {
namespace {

SDL_AudioDeviceID device = 0;

void SDLCALL fillStream(void*, Uint8* stream, int bytes)
{
    mixInto(reinterpret_cast<std::int16_t*>(stream), static_cast<std::uint32_t>(bytes) / 4);
}

bool openDevice()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted {};
    wanted.freq = kAudioRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = fillStream;
    SDL_AudioSpec obtained {};
    // No changes allowed: SDL converts to whatever the hardware takes.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

}  // namespace

bool audioOpen(AudioOutput output)
{
    Mixer& m = mixer();
    {
        std::lock_guard guard(m.lock);
        if (m.open)
            return true;
    }
    if (output == AudioOutput::Device && !openDevice())
        return false;
    {
        std::lock_guard guard(m.lock);
        m.open = true;
        m.output = output;
    }
    if (output == AudioOutput::Device)
        SDL_PauseAudioDevice(device, 0);
    return true;
}

void audioClose()
{
    Mixer& m = mixer();
    AudioOutput output;
    {
        std::lock_guard guard(m.lock);
        if (!m.open)
            return;
        m.open = false;
        output = m.output;
    }
    if (output == AudioOutput::Device) {
        SDL_CloseAudioDevice(device);
        device = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool audioIsOpen()
{
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    return m.open;
}

void audioMixOffline(std::int16_t* out, std::uint32_t frames)
{
    mixInto(out, frames);
}

bool audioRaiseThreadPriority()
{
    sched_param param {};
    param.sched_priority = sched_get_priority_max(SCHED_FIFO);
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
}

}  // namespace platform
