#pragma once
// The one volume curve of the sound system: linear 0..1 to hundredths of a
// decibel, -10000 (silence) .. 0 (full).

long ToDirectVolume(float linear);
// The inverse: the linear volume that gives a buffer volume.
float FromDirectVolume(long volume);
