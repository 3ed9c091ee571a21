// Feeds arbitrary bytes to the WAV decoder as a file: the chunk walk, the
// format read and the data reads must stay inside the file.
#include "platform/paths.h"
#include "sound/wave_file.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (platform::writeWholeFile("fuzz.wav", data, size) != 0)
        return 0;
    WaveFile wave;
    if (wave.Open("fuzz.wav") != 0)
        return 0;
    std::vector<unsigned char> out(4096);
    // Plain reads to the end, then a few looping ones.
    while (wave.Read(out.data(), static_cast<std::uint32_t>(out.size()), false) > 0) {
    }
    wave.Rewind();
    for (int i = 0; i < 4; ++i)
        wave.Read(out.data(), static_cast<std::uint32_t>(out.size()), true);
    return 0;
}
