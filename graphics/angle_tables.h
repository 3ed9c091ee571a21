#pragma once
// Sine and cosine of k x 2 pi / 256 for k = 0..255.

extern float fSinTable[256];
extern float fCosTable[256];

// Fills both tables (at start-up, before anything is drawn).
void fillAngleTables();
