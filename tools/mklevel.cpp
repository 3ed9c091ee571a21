// mklevel SOURCE OUTPUT: compiles a level written as text (the format
// mapinfo prints) into a level map.
#include "game/level_map.h"
#include "platform/paths.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mklevel SOURCE OUTPUT\n");
        return 2;
    }
    std::vector<unsigned char> bytes;
    if (!platform::readWholeFile(argv[1], bytes)) {
        std::fprintf(stderr, "mklevel: cannot read %s\n", argv[1]);
        return 2;
    }
    LevelMap map;
    std::string problem;
    if (!parseLevelText(std::string(bytes.begin(), bytes.end()), map, problem)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], problem.c_str());
        return 2;
    }
    if (writeLevelMap(argv[2], map) != 0) {
        std::fprintf(stderr, "mklevel: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
