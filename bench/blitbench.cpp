// Draws a typical game frame into the 800 x 600 back buffer, and the same
// operations with pixman on its fastest paths, and prints per operation
// "NAME ours_ms pixman_ms ratio", then "frame_ms V" and "present_ms V".
#include "graphics/angle_tables.h"
#include "graphics/graph.h"
#include "graphics/rotate.h"
#include "platform/clock.h"
#include "platform/window.h"

#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 40;

double bestMs(const std::function<void()>& work)
{
    double best = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = platform::performanceCounter();
        work();
        const auto end = platform::performanceCounter();
        best = std::min(best, double(end - start) * 1000.0 / double(platform::performanceFrequency()));
    }
    return best;
}

// Deterministic positions for the pieces of the frame.
struct Placement {
    int x, y;
};
std::vector<Placement> placements(int count, int maxX, int maxY, unsigned seed)
{
    std::vector<Placement> out;
    for (int i = 0; i < count; ++i) {
        seed = seed * 214013u + 2531011u;
        const int x = static_cast<int>((seed >> 16) % static_cast<unsigned>(maxX));
        seed = seed * 214013u + 2531011u;
        out.push_back({ x, static_cast<int>((seed >> 16) % static_cast<unsigned>(maxY)) });
    }
    return out;
}

Sprite* patterned(int w, int h, bool alpha, bool round)
{
    Sprite* s = graphCreateSprite(w, h, "");
    s->Lock();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s->row(y)[x] = static_cast<std::uint16_t>((x * 2017 + y * 911) | 0x0821);
    if (alpha) {
        s->makeAlphaMap(0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                // A round piece with a soft edge: opaque inside, blended rim, clear corners.
                const double d = std::hypot(x - w / 2.0 + 0.5, y - h / 2.0 + 0.5) / (w / 2.0);
                const double a = round ? std::clamp((1.0 - d) * 6.0, 0.0, 1.0) : 1.0;
                s->pAlpha[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(a * 255);
            }
    }
    return s;
}

// pixman images over the same pixels: r5g6b5, an a8 mask and a premultiplied a8r8g8b8 copy.
struct PixmanPiece {
    pixman_image_t* rgb565 = nullptr;
    pixman_image_t* mask = nullptr;
    pixman_image_t* argb = nullptr;
    std::vector<std::uint32_t> argbBits, maskBits, rgbBits;
};

PixmanPiece pixmanPiece(Sprite* s)
{
    PixmanPiece p;
    const int w = s->nWidth, h = s->nHeight;
    const int rgbStride = ((w * 2 + 3) / 4) * 4, maskStride = ((w + 3) / 4) * 4;
    p.rgbBits.resize(static_cast<std::size_t>(rgbStride / 4) * h);
    p.maskBits.resize(static_cast<std::size_t>(maskStride / 4) * h);
    p.argbBits.resize(static_cast<std::size_t>(w) * h);
    s->Lock();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint16_t v = s->row(y)[x];
            reinterpret_cast<std::uint16_t*>(p.rgbBits.data())[y * rgbStride / 2 + x] = v;
            const int a = s->pAlpha ? s->pAlpha[static_cast<std::size_t>(y) * w + x] : 255;
            reinterpret_cast<std::uint8_t*>(p.maskBits.data())[y * maskStride + x] = static_cast<std::uint8_t>(a);
            const int r = ((v >> 11) << 3) * a / 255, g = (((v >> 5) & 63) << 2) * a / 255, b = ((v & 31) << 3) * a / 255;
            p.argbBits[static_cast<std::size_t>(y) * w + x] = (static_cast<std::uint32_t>(a) << 24) | (r << 16) | (g << 8) | b;
        }
    p.rgb565 = pixman_image_create_bits(PIXMAN_r5g6b5, w, h, p.rgbBits.data(), rgbStride);
    p.mask = pixman_image_create_bits(PIXMAN_a8, w, h, p.maskBits.data(), maskStride);
    p.argb = pixman_image_create_bits(PIXMAN_a8r8g8b8, w, h, p.argbBits.data(), w * 4);
    return p;
}

void setTransform(pixman_image_t* image, const pixman_transform_t* t)
{
    pixman_image_set_transform(image, t);
    pixman_image_set_filter(image, PIXMAN_FILTER_NEAREST, nullptr, 0);
}

struct Result {
    const char* name;
    double ours, pixman;
};

}  // namespace

int main()
{
    platform::videoAvailable();
    platform::Window* window = platform::createWindow("blitbench", 0, 0, 800, 600, nullptr);
    graphInit(800, 600, 16, 0, window);
    fillAngleTables();

    Sprite* background = patterned(800, 600, false, false);
    Sprite* gift = patterned(48, 48, true, true);
    Sprite* particle = patterned(16, 16, false, false);
    Sprite* spinner = patterned(64, 64, false, false);
    const auto gifts = placements(140, 760, 560, 1);
    const auto particles = placements(200, 790, 590, 2);
    const auto spinners = placements(20, 740, 540, 3);

    PixmanPiece pBackground = pixmanPiece(background), pGift = pixmanPiece(gift), pParticle = pixmanPiece(particle),
                pSpinner = pixmanPiece(spinner);
    std::vector<std::uint32_t> pixmanBits(400 * 600);
    pixman_image_t* pDest = pixman_image_create_bits(PIXMAN_r5g6b5, 800, 600, pixmanBits.data(), 1600);

    auto over = [&](pixman_image_t* src, pixman_image_t* mask, int x, int y, int w, int h) {
        pixman_image_composite32(PIXMAN_OP_OVER, src, mask, pDest, 0, 0, 0, 0, x, y, w, h);
    };
    std::vector<Result> results;
    auto measure = [&](const char* name, const std::function<void()>& ours, const std::vector<std::function<void()>>& theirs) {
        double best = 1e30;
        for (const auto& t : theirs)
            best = std::min(best, bestMs(t));
        results.push_back({ name, bestMs(ours), best });
    };

    measure("background", [&] { BackBuffer->Draw(0, 0, background, 0, 0); },
            { [&] { pixman_image_composite32(PIXMAN_OP_SRC, pBackground.rgb565, nullptr, pDest, 0, 0, 0, 0, 0, 0, 800, 600); } });
    measure("gifts_alpha", [&] { for (auto p : gifts) BackBuffer->Draw(p.x, p.y, gift, OP_ALPHA, 0); },
            { [&] { for (auto p : gifts) over(pGift.argb, nullptr, p.x, p.y, 48, 48); },
              [&] { for (auto p : gifts) over(pGift.rgb565, pGift.mask, p.x, p.y, 48, 48); } });
    measure("gifts_scaled",
            [&] { for (int i = 0; i < 60; ++i) BackBuffer->DrawStretch(gifts[i].x, gifts[i].y, 36, 36, gift, 0, 0, 48, 48, OP_ALPHA, 0); },
            { [&] {
                  pixman_transform_t t;
                  pixman_transform_init_scale(&t, pixman_double_to_fixed(48.0 / 36), pixman_double_to_fixed(48.0 / 36));
                  setTransform(pGift.argb, &t);
                  for (int i = 0; i < 60; ++i) over(pGift.argb, nullptr, gifts[i].x, gifts[i].y, 36, 36);
                  setTransform(pGift.argb, nullptr);
              } });
    measure("particles_add", [&] { for (auto p : particles) BackBuffer->Draw(p.x, p.y, particle, OP_ADD, 0); },
            { [&] { for (auto p : particles) pixman_image_composite32(PIXMAN_OP_ADD, pParticle.rgb565, nullptr, pDest, 0, 0, 0, 0, p.x, p.y, 16, 16); },
              [&] { for (auto p : particles) pixman_image_composite32(PIXMAN_OP_ADD, pParticle.argb, nullptr, pDest, 0, 0, 0, 0, p.x, p.y, 16, 16); } });
    measure("darken", [&] { BackBuffer->Darken(100, 100, 700, 500, 128); },
            { [&] {
                  pixman_color_t shade { 0, 0, 0, 0x7f7f };
                  pixman_image_t* solid = pixman_image_create_solid_fill(&shade);
                  over(solid, nullptr, 100, 100, 600, 400);
                  pixman_image_unref(solid);
              } });
    measure("rotated", [&] { for (int i = 0; i < 20; ++i) DrawRotated(BackBuffer, spinners[i].x + 32, spinners[i].y + 32, spinner, 0.1f * i + 0.3f); },
            { [&] {
                  for (int i = 0; i < 20; ++i) {
                      const double a = 0.1 * i + 0.3;
                      pixman_transform_t t;
                      pixman_transform_init_translate(&t, pixman_int_to_fixed(32), pixman_int_to_fixed(32));
                      pixman_transform_rotate(&t, nullptr, pixman_double_to_fixed(std::cos(a)), pixman_double_to_fixed(-std::sin(a)));
                      pixman_transform_translate(&t, nullptr, pixman_int_to_fixed(-46), pixman_int_to_fixed(-46));
                      setTransform(pSpinner.argb, &t);
                      over(pSpinner.argb, nullptr, spinners[i].x - 14, spinners[i].y - 14, 92, 92);
                  }
                  setTransform(pSpinner.argb, nullptr);
              } });

    double frame = 0;
    for (const Result& r : results) {
        std::printf("%s %.4f %.4f %.2f\n", r.name, r.ours, r.pixman, r.ours / r.pixman);
        frame += r.ours;
    }
    std::printf("frame_ms %.4f\n", frame);
    std::printf("present_ms %.4f\n", bestMs([] { graphPresent(); }));
    graphClose();
    platform::destroyWindow(window);
    return 0;
}
