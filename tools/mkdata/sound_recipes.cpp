#include "tools/mkdata/sound_recipes.h"

#include <initializer_list>

namespace mkdata {
namespace {

// C major around the sixth octave: note numbers for bells.
constexpr double C5 = 72, E5 = 76, F5 = 77, G5 = 79, A5 = 81, B5 = 83;
constexpr double C6 = 84, D6 = 86, E6 = 88, G6 = 91, C7 = 96;

void bell(Mix& m, double start, double note, double length = 0.5, double volume = 0.5, Wave w = Wave::Bell,
          double decay = 7)
{
    m.add(Tone{start, length, noteFrequency(note), 0, volume, w, 0.003, decay});
}

void arpeggio(Mix& m, double start, std::initializer_list<double> notes, double step, double length = 0.45,
              double volume = 0.45, Wave w = Wave::Bell)
{
    double t = start;
    for (double n : notes) {
        bell(m, t, n, length, volume, w);
        t += step;
    }
}

void sweep(Mix& m, double start, double length, double from, double to, double volume, Wave w = Wave::Sine,
           double decay = 4)
{
    m.add(Tone{start, length, from, to, volume, w, 0.004, decay});
}

// Noise whose brightness moves from one cut-off to another, in short slices.
void whoosh(Mix& m, double start, double length, double fromHz, double toHz, double volume)
{
    constexpr int kSlices = 12;
    for (int i = 0; i < kSlices; ++i) {
        double t = double(i) / kSlices;
        double shape = 4 * t * (1 - t) + 0.1;
        m.add(Noise{start + t * length, length / kSlices * 1.5, volume * shape, fromHz + (toHz - fromHz) * t,
                    (fromHz + (toHz - fromHz) * t) * 0.3, 0.004, 2});
    }
}

void sparkle(Mix& m, double start, double length, double volume)
{
    for (int i = 0; i < 6; ++i)
        bell(m, start + i * length / 6, C7 + (i * 5) % 12, 0.15, volume * (1 - i / 8.0), Wave::Sine, 25);
}

double shift(int variation)
{
    static constexpr double kShifts[] = {0, 2, -3};
    return kShifts[variation % 3];
}

void toggle(Mix& m, int v) { sweep(m, 0, 0.05, 1900 + 120 * v, 1500, 0.3, Wave::Sine, 50); }
void click(Mix& m, int v)
{
    bell(m, 0, A5 + shift(v), 0.12, 0.5, Wave::Pluck, 30);
    m.add(Noise{0, 0.02, 0.25, 6000, 1500, 0.001, 120});
}
void selectGift(Mix& m, int v) { bell(m, 0, E6 + shift(v), 0.22, 0.5, Wave::Bell, 14); }
void row(Mix& m, int v)
{
    bell(m, 0, G5 + shift(v), 0.3, 0.45);
    m.add(Noise{0, 0.08, 0.2, 9000, 2500, 0.002, 40});
}
void row3(Mix& m, int v) { arpeggio(m, 0, {C6 + shift(v), E6 + shift(v), G6 + shift(v)}, 0.05, 0.4, 0.4); }
void row4(Mix& m, int v)
{
    arpeggio(m, 0, {C6 + shift(v), E6 + shift(v), G6 + shift(v), C7 + shift(v)}, 0.05, 0.45, 0.4);
}
void row5(Mix& m, int v)
{
    arpeggio(m, 0, {C6 + shift(v), E6 + shift(v), G6 + shift(v), C7 + shift(v), C7 + 4 + shift(v)}, 0.05, 0.5, 0.4);
    sparkle(m, 0.25, 0.3, 0.2);
}
void swap(Mix& m, int v)
{
    whoosh(m, 0, 0.16, 900, 3500, 0.35);
    sweep(m, 0, 0.14, 380 + 30 * v, 620 + 30 * v, 0.2, Wave::Triangle, 6);
}
void swapBack(Mix& m, int v)
{
    whoosh(m, 0, 0.16, 3000, 900, 0.3);
    sweep(m, 0, 0.22, 620 + 30 * v, 330, 0.3, Wave::Triangle, 5);
}
void help(Mix& m, int) { arpeggio(m, 0, {G5, C6}, 0.12, 0.5, 0.4); }
void bad(Mix& m, int v)
{
    m.add(Tone{0, 0.4, 120.0 - 10 * v, 90, 0.45, Wave::Soft, 0.01, 3, 0.8});
    m.add(Tone{0, 0.4, 180.0 - 10 * v, 135, 0.2, Wave::Soft, 0.01, 3, 0.8});
}
void badRemove(Mix& m, int)
{
    sweep(m, 0, 0.35, 260, 90, 0.45, Wave::Soft, 4);
    m.add(Noise{0, 0.15, 0.35, 1200, 80, 0.002, 20});
}
void block(Mix& m, int v)
{
    m.add(Noise{0, 0.12, 0.45, 900, 60, 0.001, 35});
    sweep(m, 0, 0.12, 170 + 10 * v, 120, 0.45, Wave::Triangle, 25);
}
void fall(Mix& m, int v) { sweep(m, 0, 0.09, 200 + 25 * v, 100, 0.4, Wave::Sine, 30); }
void magic(Mix& m, int)
{
    arpeggio(m, 0, {C6, D6, E6, G6, A5 + 12, C7, C7 + 2, C7 + 4}, 0.035, 0.35, 0.3);
    whoosh(m, 0, 0.4, 4000, 11000, 0.12);
}
void raduga(Mix& m, int)
{
    arpeggio(m, 0, {C5, E5, G5, C6, E6, G6, C7}, 0.045, 0.6, 0.3, Wave::Organ);
    sparkle(m, 0.3, 0.3, 0.2);
}
void teleport(Mix& m, int v)
{
    m.add(Tone{0, 0.45, 300.0 + 40 * v, 1300, 0.35, Wave::Sine, 0.01, 2, 1.5});
    m.add(Tone{0.08, 0.4, 450.0 + 40 * v, 1900, 0.15, Wave::Sine, 0.01, 3, 1.5});
}
void done(Mix& m, int)
{
    for (double n : {C6, E6, G6})
        bell(m, 0, n, 0.9, 0.3, Wave::Bell, 3);
    bell(m, 0.12, C7, 0.8, 0.35, Wave::Bell, 3);
}
void warning(Mix& m, int)
{
    for (int i = 0; i < 3; ++i)
        m.add(Tone{i * 0.18, 0.16, i % 2 ? 660.0 : 880.0, 0, 0.35, Wave::Triangle, 0.01, 4});
}
void start(Mix& m, int) { arpeggio(m, 0, {G5, C6, E6}, 0.1, 0.5, 0.4, Wave::Pluck); }
void bonusScore(Mix& m, int)
{
    bell(m, 0, B5, 0.1, 0.45, Wave::Bell, 10);
    bell(m, 0.08, E6, 0.45, 0.45, Wave::Bell, 6);
}
void bonusWand(Mix& m, int)
{
    arpeggio(m, 0, {C7, G6, E6, C6}, 0.06, 0.4, 0.35);
    whoosh(m, 0, 0.35, 8000, 3000, 0.12);
}
void birth(Mix& m, int v) { sweep(m, 0, 0.06, 700 + 60 * v, 1000 + 60 * v, 0.4, Wave::Sine, 40); }
void diamondBonus(Mix& m, int)
{
    arpeggio(m, 0, {E6, G6, C7, E6 + 12}, 0.04, 0.5, 0.3, Wave::Sine);
    sparkle(m, 0.15, 0.4, 0.25);
}
void combo(Mix& m, int level)
{
    double root = C6 + 2 * level;
    for (double n : {root, root + 4, root + 7})
        bell(m, 0, n, 0.6, 0.3, Wave::Bell, 4);
    if (level >= 1)
        bell(m, 0.08, root + 12, 0.6, 0.3);
    if (level >= 2)
        sparkle(m, 0.12, 0.3, 0.2);
    if (level >= 3)
        arpeggio(m, 0.2, {root + 12, root + 16, root + 19, root + 24}, 0.05, 0.4, 0.25);
}
void combo1(Mix& m, int) { combo(m, 0); }
void combo2(Mix& m, int) { combo(m, 1); }
void combo3(Mix& m, int) { combo(m, 2); }
void combo4(Mix& m, int) { combo(m, 3); }
void flyCell(Mix& m, int v)
{
    whoosh(m, 0, 0.3, 1500, 6000, 0.25);
    sweep(m, 0, 0.3, 500 + 50 * v, 1500 + 80 * v, 0.15, Wave::Sine, 5);
}
void collectGem(Mix& m, int v)
{
    bell(m, 0, G6 + shift(v), 0.25, 0.4, Wave::Sine, 12);
    bell(m, 0.06, C7 + shift(v), 0.4, 0.4, Wave::Bell, 8);
}
void line4(Mix& m, int) { arpeggio(m, 0, {C6, E6, G6, C7}, 0.07, 0.4, 0.35, Wave::Sine); }
void line5(Mix& m, int)
{
    arpeggio(m, 0, {C6, E6, G6, C7, E6 + 12}, 0.06, 0.5, 0.35, Wave::Sine);
    sparkle(m, 0.3, 0.3, 0.2);
}
void timeUp(Mix& m, int)
{
    const double notes[][2] = {{G5, F5 + 1}, {F5, E5}, {E5, C5}};
    for (int i = 0; i < 3; ++i)
        m.add(Tone{i * 0.3, i == 2 ? 0.7 : 0.32, noteFrequency(notes[i][0]), noteFrequency(notes[i][1]), 0.4,
                   Wave::Soft, 0.02, 2, 0.3});
}
void bonusLife(Mix& m, int) { arpeggio(m, 0, {E6, G6, E6 + 12, C7, D6 + 12, G6 + 12}, 0.08, 0.3, 0.35, Wave::Pluck); }
void fanfare(Mix& m, double root)
{
    arpeggio(m, 0, {root, root + 4, root + 7}, 0.12, 0.4, 0.35, Wave::Organ);
    for (double n : {root + 12, root + 16, root + 19})
        m.add(Tone{0.36, 0.9, noteFrequency(n), 0, 0.25, Wave::Organ, 0.02, 2});
    for (double n : {root + 12, root + 19, root + 24})
        bell(m, 0.36, n, 0.9, 0.2, Wave::Bell, 3);
    whoosh(m, 0.36, 0.5, 6000, 10000, 0.06);
}
void levelComplete(Mix& m, int) { fanfare(m, C5); }
void levelCompletePuzzle(Mix& m, int) { fanfare(m, F5); }
void pop(Mix& m, double from, double to)
{
    sweep(m, 0, 0.1, from, to, 0.5, Wave::Sine, 25);
    m.add(Noise{0, 0.03, 0.2, 5000, 800, 0.001, 80});
}
void levCompPop2(Mix& m, int) { pop(m, 600, 1300); }
void scoreTick(Mix& m, int) { sweep(m, 0, 0.025, 2600, 2400, 0.4, Wave::Sine, 80); }
void options(Mix& m, int) { whoosh(m, 0, 0.28, 600, 2500, 0.35); }
void dialog(Mix& m, int) { arpeggio(m, 0, {E5, B5}, 0.09, 0.4, 0.4, Wave::Pluck); }
void newFramePresent(Mix& m, int)
{
    whoosh(m, 0, 1.2, 3000, 9000, 0.08);
    arpeggio(m, 0.1, {C6, E6, G6, C7, G6, C7 + 4}, 0.16, 0.7, 0.25);
}
void introPop1(Mix& m, int) { pop(m, 350, 700); }
void introPop2(Mix& m, int) { pop(m, 700, 1400); }
void newEpisode(Mix& m, int)
{
    fanfare(m, G5 - 12);
    for (int i = 0; i < 8; ++i)
        m.add(Noise{0.1 + i * 0.12, 0.08, 0.12, 12000, 5000, 0.002, 40});
}

}  // namespace

const std::vector<SoundRecipe>& soundRecipes()
{
    static const std::vector<SoundRecipe> recipes = {
        {"toggle", 2, 0.06, toggle, 0.5},
        {"click", 2, 0.14, click, 0.8},
        {"select_gift", 3, 0.24, selectGift, 0.7, 0.75, "pan=0.6\nr=800\n"},
        {"row", 3, 0.34, row, 0.8},
        {"row3", 2, 0.55, row3},
        {"row4", 2, 0.6, row4},
        {"row5", 1, 0.7, row5},
        {"swap", 3, 0.18, swap, 0.7},
        {"swapback", 2, 0.24, swapBack, 0.7},
        {"help", 1, 0.65, help, 0.7},
        {"bad", 2, 0.42, bad, 0.8},
        {"badremove", 1, 0.38, badRemove},
        {"block", 2, 0.14, block, 0.8},
        {"fall", 3, 0.1, fall, 0.5},
        {"magic", 1, 0.6, magic},
        {"raduga", 1, 0.9, raduga},
        {"teleport", 2, 0.5, teleport, 0.8},
        {"done", 1, 1.0, done},
        {"warning", 1, 0.56, warning, 0.7},
        {"start", 1, 0.75, start},
        {"bonus_score", 1, 0.55, bonusScore},
        {"bonus_wand", 1, 0.62, bonusWand},
        {"birth", 3, 0.07, birth, 0.3, 0.6},
        {"diamond_bonus", 1, 0.7, diamondBonus},
        {"combo1", 1, 0.7, combo1},
        {"combo2", 1, 0.75, combo2},
        {"combo3", 1, 0.8, combo3},
        {"combo4", 1, 0.85, combo4},
        {"flycell", 2, 0.32, flyCell, 0.6},
        {"collectgem", 2, 0.48, collectGem, 0.8},
        {"line4", 1, 0.65, line4},
        {"line5", 1, 0.85, line5},
        {"timeup", 1, 1.35, timeUp},
        {"bonuslife", 1, 0.75, bonusLife},
        {"level_complete", 1, 1.35, levelComplete},
        {"levcomppop2", 1, 0.12, levCompPop2, 0.8},
        {"scoretick", 1, 0.03, scoreTick, 0.45},
        {"level_complete_puzzle", 1, 1.35, levelCompletePuzzle},
        {"options", 1, 0.3, options, 0.6},
        {"dialog", 1, 0.5, dialog, 0.8},
        {"new_frame_present", 1, 1.4, newFramePresent},
        {"intropop1", 1, 0.12, introPop1, 0.8},
        {"intropop2", 1, 0.12, introPop2, 0.8},
        {"new_episode", 1, 1.5, newEpisode},
    };
    return recipes;
}

}  // namespace mkdata
