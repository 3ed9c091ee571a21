#include "graphics/blit_rows.h"

#include "graphics/blit_rows_vector.h"
#include "graphics/pixel_ops.h"

namespace {

void alphaRow(std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha, int count,
              const PixelFormat& format)
{
    const PixelOps ops(format);
    for (int i = 0; i < count; ++i) {
        const std::uint32_t a = alpha[i];
        if (a >= 240)
            out[i] = in[i];
        else if (a >= 16)
            out[i] = ops.blend(out[i], in[i], a);
    }
}

void addRow(std::uint16_t* out, const std::uint16_t* in, int count, const PixelFormat& format)
{
    const PixelOps ops(format);
    for (int i = 0; i < count; ++i)
        out[i] = ops.add(out[i], in[i]);
}

}  // namespace

const BlitRows& scalarBlitRows()
{
    static const BlitRows rows { "scalar", alphaRow, addRow };
    return rows;
}

namespace {

BlitRows& chosenRows()
{
    static BlitRows rows = blitRowSets().back();
    return rows;
}

}  // namespace

const BlitRows& blitRows() { return chosenRows(); }

void chooseBlitRows(const BlitRows& rows) { chosenRows() = rows; }

std::vector<BlitRows> blitRowSets()
{
    std::vector<BlitRows> sets { scalarBlitRows(), vectorBlitRows() };
    if (const BlitRows* avx2 = avx2BlitRows())
        sets.push_back(*avx2);
    return sets;
}
