#pragma once
// The sparkle a delayed static control shows just before it appears. The
// effect system installs the spawner; without one nothing is spawned.

using SparkleSpawner = void (*)(int x, int y);
extern SparkleSpawner spawnSparkle;
