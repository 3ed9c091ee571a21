// The blit rows on vectors of 16-bit lanes. Each channel is moved down to
// the bottom of its lane, where the difference times the alpha byte fits
// in 16 signed bits (at most 63 x 255), so the lanes compute exactly what
// the scalar reference computes. The last pixels of a row that fill no
// whole vector go through the reference.
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

template <int N>
[[gnu::always_inline]] inline void alphaLanes(std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha,
                                              int count, const PixelFormat& format)
{
    using Pixels = typename Lanes<N>::Pixels;
    using Signed = typename Lanes<N>::Signed;
    using Bytes = typename Lanes<N>::Bytes;
    const Channels channels(format);
    int i = 0;
    for (; i + N <= count; i += N) {
        Pixels d, s;
        Bytes bytes;
        std::memcpy(&d, out + i, sizeof d);
        std::memcpy(&s, in + i, sizeof s);
        std::memcpy(&bytes, alpha + i, sizeof bytes);
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
        const Pixels result = (s & opaque) | (d & kept) | (blended & ~(opaque | kept));
        std::memcpy(out + i, &result, sizeof result);
    }
    if (i < count)
        scalarBlitRows().alpha(out + i, in + i, alpha + i, count - i, format);
}

template <int N>
[[gnu::always_inline]] inline void addLanes(std::uint16_t* out, const std::uint16_t* in, int count,
                                            const PixelFormat& format)
{
    using Pixels = typename Lanes<N>::Pixels;
    using Signed = typename Lanes<N>::Signed;
    const Channels channels(format);
    int i = 0;
    for (; i + N <= count; i += N) {
        Pixels d, s;
        std::memcpy(&d, out + i, sizeof d);
        std::memcpy(&s, in + i, sizeof s);
        Pixels result {};
#pragma GCC unroll 3
        for (const Channel& c : channels.c) {
            const Pixels sum = ((d >> c.shift) & c.mask) + ((s >> c.shift) & c.mask);
            const Pixels over = reinterpret_cast<Pixels>(reinterpret_cast<Signed>(sum) > static_cast<std::int16_t>(c.mask));
            result |= ((sum & ~over) | (over & c.mask)) << c.shift;
        }
        std::memcpy(out + i, &result, sizeof result);
    }
    if (i < count)
        scalarBlitRows().add(out + i, in + i, count - i, format);
}

void vectorAlpha(std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha, int count,
                 const PixelFormat& format)
{
    alphaLanes<8>(out, in, alpha, count, format);
}

void vectorAdd(std::uint16_t* out, const std::uint16_t* in, int count, const PixelFormat& format)
{
    addLanes<8>(out, in, count, format);
}

#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx2")]] void avx2Alpha(std::uint16_t* out, const std::uint16_t* in, const std::uint8_t* alpha,
                                       int count, const PixelFormat& format)
{
    alphaLanes<16>(out, in, alpha, count, format);
}

[[gnu::target("avx2")]] void avx2Add(std::uint16_t* out, const std::uint16_t* in, int count,
                                     const PixelFormat& format)
{
    addLanes<16>(out, in, count, format);
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
