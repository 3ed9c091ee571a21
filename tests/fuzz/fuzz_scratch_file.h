#pragma once
// Writes a fuzz input to a file in the working folder, without the syncing
// of the game's own saves, which would slow fuzzing down a hundredfold.

#include <cstddef>
#include <cstdint>
#include <cstdio>

inline bool writeScratchFile(const char* name, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(name, "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}
