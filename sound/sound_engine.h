#pragma once
// The sound engine: the output, the registry of sounds, the master volumes
// and the service thread that refills streams and steps fades every 50 ms.

#include "platform/audio.h"

#include <string_view>

class Sound;

// Master volume per sound mode (0 effects, 1 music), 0..1.
extern float sndVolume[2];

// How the service passes run: on the service thread, or (for tests and
// tools) only when the caller runs SoundServicePass.
enum class SoundService { Thread, Manual };

// Opens sound; when the output cannot be opened the game runs silent.
void SoundInit(void* hWnd, platform::AudioOutput output = platform::AudioOutput::Device,
               SoundService service = SoundService::Thread);
// Stops the service thread, then destroys every sound, group and the music player.
void SoundDone();
// True between a successful SoundInit and SoundDone.
bool SoundIsOn();

// The registered sound of that name, or a new one loaded in that mode;
// none for an empty name.
Sound* SoundLoad(std::string_view name, int mode);
Sound* SoundFind(std::string_view name);

void SetSoundVolume(float value, int mode);
float GetSoundVolume(int mode);

// Destroys the one-shot copies that have stopped playing.
void ReapSounds();

// One pass of the service: Update of every sound that asks for it.
void SoundServicePass();
