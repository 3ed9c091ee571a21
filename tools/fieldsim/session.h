#pragma once
// One simulated game of fieldsim: the headless game, its traced sounds and
// effects, and the script commands.

#include "game/field_invariants.h"
#include "game/field_trace.h"
#include "game/headless_game.h"

#include <string>

struct SimOptions {
    std::string mapPath;
    int mode = MODE_QUEST;
    unsigned seed = 1;
    bool start = false;
    bool trace = false;
    bool tuneGift = false, tuneFall = false;
    float giftVelocity = 0.0f, fallVelocity = 0.0f;
};

// Exit codes.
constexpr int SIM_OK = 0;
constexpr int SIM_USAGE = 2;
constexpr int SIM_NOT_SETTLED = 3;
constexpr int SIM_BROKEN = 4;

class SimSession {
public:
    explicit SimSession(const SimOptions& options);
    // Loads the map and runs the level start; false when the map is
    // missing or damaged.
    bool begin();
    // Runs one script line; SIM_OK or an exit code, with the reason in
    // problem.
    int run(const std::string& line, std::string& problem);

private:
    void traceLine(const std::string& line) const;
    void frame();
    int step(int ms);
    int settle();
    int autoplay(int moves);
    bool levelOver() const;
    void click(int button, int index);
    void drag(int index, int dx, int dy);
    void print() const;
    bool validCell(int index) const { return index >= 0 && index < game_.field.count; }

    SimOptions options_;
    TraceMedia media_;
    TraceEffects effects_;
    HeadlessGame game_;
    FieldInvariants invariants_;
    std::string broken_;
};
