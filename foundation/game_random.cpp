#include "foundation/game_random.h"

GameRandom gameRandom;
