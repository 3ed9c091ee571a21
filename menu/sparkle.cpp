#include "menu/sparkle.h"

SparkleSpawner spawnSparkle = nullptr;
