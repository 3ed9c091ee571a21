// The blit rows on vectors of 16-bit lanes. Each channel is moved down to
// the bottom of its lane, where the difference times the alpha byte fits
// in 16 signed bits (at most 63 x 255), so the lanes compute exactly what
// the scalar reference computes.
#include "graphics/blit_rows_vector.h"

#include <cstring>

namespace {

struct Channel {
    int shift;
    std::uint16_t mask;  // after the shift
};

struct Channels {
    Channel c[3];
    explicit Channels(const PixelFormat& f)
        : c { { f.redShift, static_cast<std::uint16_t>(f.redMask >> f.redShift) },
              { f.greenShift, static_cast<std::uint16_t>(f.greenMask >> f.greenShift) },
              { f.blueShift, static_cast<std::uint16_t>(f.blueMask >> f.blueShift) } }
    {
    }
};

// N pixels, N signed 16-bit values, N alpha bytes.
template <int N>
struct Lanes {
    typedef std::uint16_t Pixels __attribute__((vector_size(2 * N)));
    typedef std::int16_t Signed __attribute__((vector_size(2 * N)));
    typedef std::uint8_t Bytes __attribute__((vector_size(N)));
};

// Vectors go in and out through references: a 32-byte vector passed by
// value would change the calling convention between the AVX2 code and the rest.
template <typename Vector, typename T>
[[gnu::always_inline]] inline void load(Vector& v, const T* from)
{
    std::memcpy(&v, from, sizeof v);
}

// The alpha-map row: s where a >= 240, d where a < 16, the blend between.
template <int N>
struct AlphaLanes {
    using Pixels = typename Lanes<N>::Pixels;
    using Signed = typename Lanes<N>::Signed;
    using Bytes = typename Lanes<N>::Bytes;
    const std::uint16_t* out;
    const std::uint16_t* in;
    const std::uint8_t* alpha;
    Channels channels;

    [[gnu::always_inline]] void at(int i, Pixels& result) const
    {
        Pixels d, s;
        Bytes bytes;
        load(d, out + i);
        load(s, in + i);
        load(bytes, alpha + i);
        const Signed a = __builtin_convertvector(bytes, Signed);
        Pixels blended {};
#pragma GCC unroll 3
        for (const Channel& c : channels.c) {
            const Pixels dc = (d >> c.shift) & c.mask, sc = (s >> c.shift) & c.mask;
            // dc + ((sc - dc) x a) >> 8, with an arithmetic shift
            const Pixels change = reinterpret_cast<Pixels>((reinterpret_cast<Signed>(sc - dc) * a) >> 8);
            blended |= (dc + change) << c.shift;
        }
        const Pixels opaque = reinterpret_cast<Pixels>(a > 239), kept = reinterpret_cast<Pixels>(a < 16);
        result = (s & opaque) | (d & kept) | (blended & ~(opaque | kept));
    }
};

// The additive row: per channel the sum, limited to the channel's mask.
template <int N>
struct AddLanes {
    using Pixels = typename Lanes<N>::Pixels;
    using Signed = typename Lanes<N>::Signed;
    const std::uint16_t* out;
    const std::uint16_t* in;
    Channels channels;

    [[gnu::always_inline]] void at(int i, Pixels& result) const
    {
        Pixels d, s;
        load(d, out + i);
        load(s, in + i);
        result = Pixels {};
#pragma GCC unroll 3
        for (const Channel& c : channels.c) {
            const Pixels sum = ((d >> c.shift) & c.mask) + ((s >> c.shift) & c.mask);
            const Pixels over = reinterpret_cast<Pixels>(reinterpret_cast<Signed>(sum) > static_cast<std::int16_t>(c.mask));
            result |= ((sum & ~over) | (over & c.mask)) << c.shift;
        }
    }
};

// Writes lanes.at(i) over a row of count >= N pixels (out apart from the
// source). The last N pixels
// are worked out before anything is written and stored last, so a row
// that fills no whole number of vectors needs no pixel-by-pixel end: the
// vector before them writes the same values where the two overlap.
template <typename Lanes, int N>
[[gnu::always_inline]] inline void storeRow(std::uint16_t* out, int count, const Lanes& lanes)
{
    typename Lanes::Pixels last, v;
    lanes.at(count - N, last);
    for (int i = 0; i < count - N; i += N) {
        lanes.at(i, v);
        std::memcpy(out + i, &v, sizeof v);
    }
    std::memcpy(out + count - N, &last, sizeof last);
}

// Rows shorter than a vector go to vectors half as wide, then to the reference.
template <int N>
[[gnu::always_inline]] inline void alphaRow(std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha,
                                            int count, const PixelFormat& format)
{
    if (count >= N)
        storeRow<AlphaLanes<N>, N>(out, count, { out, in, alpha, Channels(format) });
    else if constexpr (N > 8)
        alphaRow<N / 2>(out, in, alpha, count, format);
    else
        scalarBlitRows().alpha(out, in, alpha, count, format);
}

template <int N>
[[gnu::always_inline]] inline void addRow(std::uint16_t* out, const std::uint16_t* in, int count,
                                          const PixelFormat& format)
{
    if (count >= N)
        storeRow<AddLanes<N>, N>(out, count, { out, in, Channels(format) });
    else if constexpr (N > 8)
        addRow<N / 2>(out, in, count, format);
    else
        scalarBlitRows().add(out, in, count, format);
}

void vectorAlpha(std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha, int count,
                 const PixelFormat& format)
{
    alphaRow<8>(out, in, alpha, count, format);
}

void vectorAdd(std::uint16_t* out, const std::uint16_t* in, int count, const PixelFormat& format)
{
    addRow<8>(out, in, count, format);
}

#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx2")]] void avx2Alpha(std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha,
                                       int count, const PixelFormat& format)
{
    alphaRow<16>(out, in, alpha, count, format);
}

[[gnu::target("avx2")]] void avx2Add(std::uint16_t* out, const std::uint16_t* in, int count,
                                     const PixelFormat& format)
{
    addRow<16>(out, in, count, format);
}
#endif

}  // namespace

const BlitRows& vectorBlitRows()
{
    static const BlitRows rows { "vector", vectorAlpha, vectorAdd };
    return rows;
}

const BlitRows* avx2BlitRows()
{
#if defined(__x86_64__) || defined(__i386__)
    static const BlitRows rows { "avx2", avx2Alpha, avx2Add };
    return __builtin_cpu_supports("avx2") ? &rows : nullptr;
#else
    return nullptr;
#endif
}
