#pragma once
// The vector sets of the blit rows: 16-byte vectors everywhere (SSE2 on
// x86-64), 32-byte ones where the processor has AVX2.

#include "graphics/blit_rows.h"

const BlitRows& vectorBlitRows();

// None when the processor lacks AVX2.
const BlitRows* avx2BlitRows();
