// Screen pictures: the splash, logo, main menu, quest map and game
// backgrounds, the episode backgrounds and level pictures with their
// shadows, the mode side panels, the sliding panels, dialogs, tips, help
// pages and the quest map's episode buttons and finished markers.
#include "tools/mkdata/gift_art.h"
#include "tools/mkdata/glyph_raster.h"
#include "tools/mkdata/job.h"
#include "tools/mkdata/palette.h"
#include "tools/mkdata/scenes.h"
#include "tools/mkdata/screen_layout.h"
#include "tools/mkdata/strips.h"
#include "tools/mkdata/ui_art.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace mkdata {
namespace {

using namespace palette;

void scatterGifts(cairo_t* cr, double w, double h, int count, std::uint32_t seed)
{
    for (int i = 0; i < count; ++i) {
        seed = seed * 214013u + 2531011u;
        double x = double((seed >> 16) % 1000) / 1000 * (w - 60);
        seed = seed * 214013u + 2531011u;
        double y = h * 0.72 + double((seed >> 16) % 1000) / 1000 * (h * 0.2);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1.3, 1.3);
        drawGift(cr, i % 8, 0);
        cairo_restore(cr);
    }
}

void titleScreen(cairo_t* cr, bool withSubtitle)
{
    festiveBackdrop(cr, 800, 600, kWine, kBerry, 11);
    firTree(cr, 110, 560, 300, 14, 3);
    firTree(cr, 690, 560, 330, 16, 5);
    scatterGifts(cr, 800, 600, 9, 77);
    titleText(cr, "Giftfall", 400, 200, 120);
    if (withSubtitle)
        titleText(cr, "a festive match-three", 400, 300, 34);
}

void mainMenu(cairo_t* cr)
{
    festiveBackdrop(cr, 800, 600, hex(0x5a1020), hex(0x9a2a2a), 21);
    // A hearth-warm room: a window with snow, a tree and the menu board.
    roundedRect(cr, 40, 60, 200, 260, 100);
    fillWith(cr, verticalShade(60, 320, hex(0x1a2a5a), hex(0x6a8ac0)), true);
    setColour(cr, hex(0x4a2a10));
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    firTree(cr, 140, 560, 330, 18, 9);
    scatterGifts(cr, 300, 600, 4, 19);
    titleText(cr, "Giftfall", 560, 70, 64);
    cairo_save(cr);
    cairo_translate(cr, 340, 120);
    parchmentPanel(cr, 440, 460);
    cairo_restore(cr);
}

// The quest map: the six episode areas along a dotted road.
void questMap(cairo_t* cr)
{
    festiveBackdrop(cr, 800, 600, hex(0x3a6a4a), hex(0x9ac890), 31);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    double dash[] = {0.1, 14};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 7);
    setColour(cr, kCream, 0.9);
    for (int e = 0; e + 1 < kEpisodes; ++e) {
        const EpisodeArea& a = kEpisodeAreas[std::size_t(e)];
        const EpisodeArea& b = kEpisodeAreas[std::size_t(e + 1)];
        cairo_move_to(cr, a.x + 86, a.y + 78);
        cairo_curve_to(cr, a.x + 86, a.y + 240, b.x + 86, b.y - 80, b.x + 86, b.y + 78);
    }
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    for (int e = 0; e < kEpisodes; ++e) {
        const EpisodeArea& a = kEpisodeAreas[std::size_t(e)];
        cairo_save(cr);
        cairo_translate(cr, a.x, a.y);
        roundedRect(cr, 4, 6, 168, 150, 22);
        setColour(cr, {0.1, 0.05, 0.02}, 0.35);
        cairo_fill(cr);
        roundedRect(cr, 0, 0, 168, 150, 22);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        episodeScene(cr, e + 1, 168, 150);
        cairo_restore(cr);
        setColour(cr, kDeepGold);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        char number[4];
        std::snprintf(number, sizeof number, "%d", e + 1);
        titleText(cr, number, 24, 24, 34);
        cairo_restore(cr);
    }
    titleText(cr, "The Quest", 400, 560, 48);
}

void gameBase(cairo_t* cr)
{
    festiveBackdrop(cr, 800, 600, hex(0x4a0c1e), hex(0x7a1a2a), 41);
    cairo_rectangle(cr, 0, 520, 800, 80);
    fillWith(cr, verticalShade(520, 600, hex(0x5a1a10), hex(0x2a0808)));
    cairo_save(cr);
    cairo_translate(cr, 630, 10);
    parchmentPanel(cr, 164, 500, 14);
    cairo_restore(cr);
}

void sidePanel(cairo_t* cr, const Rgb& accent)
{
    parchmentPanel(cr, 150, 570, 14);
    cairo_arc(cr, 75, 480, 40, 0, 2 * M_PI);
    setColour(cr, accent, 0.25);
    cairo_fill(cr);
    firTree(cr, 75, 540, 110, 7, 13);
}

// A mode's background: its colours with a lattice of faint stars and a
// garland along the top.
void modeBackground(cairo_t* cr, const Rgb& top, const Rgb& bottom, std::uint32_t seed)
{
    festiveBackdrop(cr, 620, 570, top, bottom, seed);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 13; ++x) {
            star(cr, 24 + x * 48 + (y % 2) * 24, 24 + y * 48, 7, 3, 5, 0.3 * (x + y));
            setColour(cr, kWhite, 0.07);
            cairo_fill(cr);
        }
    cairo_move_to(cr, 0, 8);
    for (int i = 0; i < 8; ++i)
        cairo_curve_to(cr, i * 78 + 20, 40, i * 78 + 58, 40, (i + 1) * 78, 8);
    setColour(cr, kPine);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        cairo_arc(cr, i * 78 + 39, 31, 6, 0, 2 * M_PI);
        setColour(cr, kGifts[std::size_t(i)]);
        cairo_fill(cr);
    }
}

// A level picture: an arched window on the level's scene, with more of the
// tree decorated at every level.
void levelPicture(cairo_t* cr, int episode, int level, bool shadowOnly)
{
    auto arch = [&](double dx, double dy) {
        cairo_move_to(cr, 4 + dx, 276 + dy);
        cairo_line_to(cr, 4 + dx, 92 + dy);
        cairo_arc(cr, 92 + dx, 92 + dy, 88, M_PI, 2 * M_PI);
        cairo_line_to(cr, 180 + dx, 276 + dy);
        cairo_close_path(cr);
    };
    if (shadowOnly) {
        arch(6, 8);
        setColour(cr, {0.08, 0.02, 0.02}, 0.5);
        cairo_fill(cr);
        return;
    }
    arch(0, 0);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    episodeScene(cr, episode, 184, 280);
    firTree(cr, 92, 262, 170, 3 + level * 3, std::uint32_t(episode * 100 + 1));
    for (int g = 0; g <= level; ++g) {
        cairo_save(cr);
        cairo_translate(cr, 8 + (g % 4) * 40, 236 - (g / 4) * 10);
        cairo_scale(cr, 0.8, 0.8);
        drawGift(cr, (g + episode) % 8, 0);
        cairo_restore(cr);
    }
    cairo_restore(cr);
    setColour(cr, kDeepGold);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

void episodeButton(cairo_t* cr, int state)
{
    roundedRect(cr, 2, 2, 168, 152, 22);
    if (state > 0) {
        setColour(cr, kGold, state == 1 ? 0.18 : 0.3);
        cairo_fill_preserve(cr);
    }
    setColour(cr, state == 1 ? kCream : kGold, state == 0 ? 0.6 : 1.0);
    cairo_set_line_width(cr, state == 1 ? 5 : 3);
    cairo_stroke(cr);
}

// A red wax seal with a gold star, in the lower right of the area.
void finishedMarker(cairo_t* cr, int state)
{
    episodeButton(cr, state == 0 ? -1 : state);
    cairo_arc(cr, 138, 122, 26, 0, 2 * M_PI);
    fillWith(cr, verticalShade(96, 148, hex(0xe84040), hex(0x8a1018)), true);
    setColour(cr, hex(0x5a0a10));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    star(cr, 138, 123, 16, 7, 5);
    setColour(cr, kGold);
    cairo_fill(cr);
}

void add(JobList& jobs, const std::string& name, int w, int h, std::function<void(cairo_t*)> draw,
         bool companion = false)
{
    jobs.push_back({name, [=](FileSet& out) {
                        Image image = makePicture(w, h, draw);
                        if (companion)
                            addPictureWithCompanion(out, name, image);
                        else
                            addPicture(out, name, image);
                    }, {kLobster}});
}

std::string numbered(const char* format, int a, int b = 0)
{
    char name[64];
    std::snprintf(name, sizeof name, format, a, b);
    return name;
}

}  // namespace

void addScreenJobs(JobList& jobs)
{
    add(jobs, "data\\menu\\splash.jpg", 800, 600, [](cairo_t* cr) { titleScreen(cr, false); });
    add(jobs, "data\\menu\\logo.jpg", 800, 600, [](cairo_t* cr) { titleScreen(cr, true); });
    add(jobs, "data\\menu\\mainmenu.jpg", 800, 600, mainMenu);
    add(jobs, "data\\menu\\questmap.jpg", 800, 600, questMap);
    add(jobs, "data\\menu\\game.jpg", 800, 600, gameBase);
    add(jobs, "data\\menu\\win.jpg", 800, 600, [](cairo_t* cr) {
        festiveBackdrop(cr, 800, 600, kNight, hex(0x5a3a8a), 51);
        firTree(cr, 400, 580, 420, 30, 17);
        scatterGifts(cr, 800, 600, 12, 5);
    });
    add(jobs, "data\\menu\\panel.tga", 340, 520, [](cairo_t* cr) { parchmentPanel(cr, 340, 520); });
    add(jobs, "data\\menu\\dialog.tga", 440, 280, [](cairo_t* cr) { parchmentPanel(cr, 440, 280); });
    add(jobs, "data\\menu\\tip.tga", 480, 320, [](cairo_t* cr) { parchmentPanel(cr, 480, 320); });
    add(jobs, "data\\menu\\help_page.tga", 480, 420, [](cairo_t* cr) { parchmentPanel(cr, 480, 420); });
    add(jobs, "data\\menu\\plate.tga", 150, 44, [](cairo_t* cr) { parchmentPanel(cr, 150, 44, 12); });
    add(jobs, "data\\menu\\banner.tga", 520, 110, [](cairo_t* cr) { pillButton(cr, 520, 110, 0, kButtonRed); });
    jobs.push_back({"data\\menu\\episode", [](FileSet& out) {
                        const char* suffix[3] = {"", "_a", "_p"};
                        for (int s = 0; s < 3; ++s) {
                            addPicture(out, std::string("data\\menu\\episode") + suffix[s] + ".tga",
                                       makePicture(172, 156, [s](cairo_t* cr) { episodeButton(cr, s); }));
                            addPicture(out, std::string("data\\menu\\episode_done") + suffix[s] + ".tga",
                                       makePicture(172, 156, [s](cairo_t* cr) { finishedMarker(cr, s); }));
                        }
                    }, {}});
    for (int e = 1; e <= kEpisodes; ++e) {
        add(jobs, numbered("data\\BACK\\back%d.jpg", e), 620, 570, [e](cairo_t* cr) { episodeScene(cr, e, 620, 570); });
        jobs.push_back({numbered("data\\BACK\\%d\\level pictures", e), [e](FileSet& out) {
                            for (int l = 0; l < kLevelsInEpisode[std::size_t(e - 1)]; ++l)
                                addPictureWithCompanion(out, numbered("data\\BACK\\%d\\gift0%d.jpg", e, l),
                                                        makePicture(192, 290, [=](cairo_t* cr) {
                                                            levelPicture(cr, e, l, false);
                                                        }));
                            Image shadow = makePicture(192, 290, [=](cairo_t* cr) { levelPicture(cr, e, 0, true); });
                            addPicture(out, numbered("data\\BACK\\%d\\gift%dshadow.tga", e, e), blurred(shadow, 4));
                        }, {}});
    }
    add(jobs, "DATA\\BACK\\puzzle.jpg", 620, 570, [](cairo_t* cr) { modeBackground(cr, kNight, hex(0x4a5aa0), 61); });
    add(jobs, "DATA\\BACK\\quad.jpg", 620, 570, [](cairo_t* cr) { modeBackground(cr, hex(0x12402a), hex(0x3a8a5a), 71); });
    add(jobs, "DATA\\BACK\\puzzle_right.jpg", 150, 570, [](cairo_t* cr) {
        festiveBackdrop(cr, 150, 570, kNight, hex(0x4a5aa0), 62);
        sidePanel(cr, hex(0x4a5aa0));
    });
    add(jobs, "DATA\\BACK\\quad_right.jpg", 150, 570, [](cairo_t* cr) {
        festiveBackdrop(cr, 150, 570, hex(0x12402a), hex(0x3a8a5a), 72);
        sidePanel(cr, hex(0x3a8a5a));
    });
    add(jobs, "DATA\\BACK\\adventure_right.jpg", 150, 570, [](cairo_t* cr) {
        festiveBackdrop(cr, 150, 570, kWine, kBerry, 82);
        sidePanel(cr, kBerry);
    });
}

}  // namespace mkdata
