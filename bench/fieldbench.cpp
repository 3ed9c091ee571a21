// fieldbench: autoplays levels of every mode headless and prints the median
// time of one 20 ms field step while a full 14 x 10 board resolves, the
// median time of the move finder, and the moves played per second.

#include "foundation/game_random.h"
#include "game/generated_levels.h"
#include "game/headless_game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int MOVES_PER_MODE = 3000;
constexpr int FRAME_MS = 20;

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double median(std::vector<double>& values)
{
    if (values.empty())
        return 0.0;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// A full board: plain cells, score and layer cells scattered, every
// colour, some bonuses.
LevelMap benchMap()
{
    LevelMap map;
    map.originX = 250;
    map.originY = 70;
    map.width = 14;
    map.height = 10;
    map.gifts = {1, 1, 1, 1, 1, 1, 0, 0, 1, 0};
    map.bonuses = {10, 10, 0, 0, 0};
    for (int i = 0; i < MAX_CELLS; ++i)
        map.cells.push_back(MapCell {1, static_cast<std::uint8_t>(i % 11 == 0 ? 3 : i % 3), 0, CODE_EMPTY});
    return map;
}

struct Figures {
    std::vector<double> steps, finds;
    int moves = 0;
    double playSeconds = 0.0;
};

// A puzzle board: the bench map filled and prepared, as stored.
bool writePuzzleMap(const std::string& from, const std::string& to)
{
    NoFieldMedia media;
    NoFieldEffects effects;
    HeadlessGame game(media, effects);
    gameRandom.seed(1);
    return game.startLevel(from, MODE_QUEST, 1, true) && game.field.saveMap(to) == 0;
}

void playMode(const std::string& mapPath, int mode, Figures& figures)
{
    NoFieldMedia media;
    NoFieldEffects effects;
    HeadlessGame game(media, effects);
    game.field.giftVelocity = 0.5f;
    game.field.fallVelocity = 0.1f;
    gameRandom.seed(1);
    game.startLevel(mapPath, mode, 1, true);
    const Clock::time_point start = Clock::now();
    for (int played = 0, frames = 0; played < MOVES_PER_MODE && frames < 10'000'000; ++frames) {
        if (game.won || game.failed || game.field.modalDialog) {
            const bool next = game.won && mode != MODE_QUEST && mode != MODE_PUZZLE;
            game.startLevel(mapPath, mode, game.level + (next ? 1 : 0), true);
            continue;
        }
        if (!game.resting()) {
            const bool resolving = game.field.busy;
            const Clock::time_point before = Clock::now();
            game.frame(FRAME_MS);
            if (resolving && game.field.giftList().size() == MAX_CELLS)
                figures.steps.push_back(microseconds(Clock::now() - before));
            continue;
        }
        const Clock::time_point before = Clock::now();
        const int move = game.field.findMove();
        figures.finds.push_back(microseconds(Clock::now() - before));
        if (move == 0) {
            game.startLevel(mapPath, mode, game.level, true);
            continue;
        }
        for (int cell : {pairFirst(move), pairSecond(move)}) {
            const int x = game.field.centreX(cell), y = game.field.centreY(cell);
            game.field.onButtonDown(1, x, y);
            game.field.onButtonUp(1);
        }
        ++played;
        ++figures.moves;
        game.frame(FRAME_MS);
    }
    figures.playSeconds += std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "giftfall-fieldbench";
    std::filesystem::create_directories(folder);
    const std::string mapPath = (folder / "bench.map").string();
    if (writeLevelMap(mapPath, benchMap()) != 0) {
        std::fprintf(stderr, "fieldbench: cannot write %s\n", mapPath.c_str());
        return 1;
    }
    const std::string puzzlePath = (folder / "puzzle.map").string();
    if (!writePuzzleMap(mapPath, puzzlePath)) {
        std::fprintf(stderr, "fieldbench: cannot write %s\n", puzzlePath.c_str());
        return 1;
    }
    Figures figures;
    for (int mode : {MODE_QUEST, MODE_PUZZLE, MODE_ACTION, MODE_CUBE})
        playMode(mode == MODE_PUZZLE ? puzzlePath : mapPath, mode, figures);
    std::filesystem::remove_all(folder);
    std::printf("field_step_us_median %.3f\n", median(figures.steps));
    std::printf("find_move_us_median %.3f\n", median(figures.finds));
    std::printf("moves_per_second %.0f\n", figures.moves / figures.playSeconds);
    return 0;
}
