// Feeds arbitrary bytes to the level map loader and, when they load, saves
// and reloads the board: the result must read back the same.
#include "game/game_field.h"
#include "fuzz_scratch_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static NoFieldMedia media;
    static NoFieldScreen screen;
    static GameField field(media, screen);
    if (!writeScratchFile("fuzz.map", data, size))
        return 0;
    if (!field.loadMap("fuzz.map"))
        return 0;
    field.applyPendingLocks();
    LevelMap saved = field.toLevelMap();
    std::vector<unsigned char> bytes = encodeLevelMap(saved);
    LevelMap again;
    std::string problem;
    if (!decodeLevelMap(bytes, again, problem))
        std::abort();
    if (encodeLevelMap(again) != bytes)
        std::abort();
    describeLevelMap(again);
    return 0;
}
