// mapinfo FILE: prints a level map's header and its grid.
#include "game/level_map.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mapinfo FILE\n");
        return 2;
    }
    LevelMap map;
    if (!readLevelMap(argv[1], map)) {
        std::fprintf(stderr, "mapinfo: %s is missing or damaged\n", argv[1]);
        return 1;
    }
    std::fputs(describeLevelMap(map).c_str(), stdout);
    return 0;
}
