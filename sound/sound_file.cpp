#include "sound/sound_file.h"

#include "sound/ogg_file.h"
#include "sound/wave_file.h"

#include "sound/sound_text.h"

int SoundFile::Open(std::string_view) { return SOUNDFILE_CANNOT_OPEN; }

std::uint32_t SoundFile::Read(void*, std::uint32_t, bool) { return 0; }

std::unique_ptr<SoundFile> CreateSoundFile(std::string_view path)
{
    if (path.size() < 3)
        return nullptr;
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return nullptr;
    const std::string_view extension = path.substr(dot + 1);
    if (sameTextIgnoringCase(extension, "wav"))
        return std::make_unique<WaveFile>();
    if (sameTextIgnoringCase(extension, "ogg"))
        return std::make_unique<OggFile>();
    return nullptr;
}
