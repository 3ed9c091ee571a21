#include "tools/fieldsim/session.h"

#include "foundation/game_random.h"

#include <cstdio>
#include <sstream>

namespace {

constexpr int FRAME_MS = 20;
constexpr int SETTLE_LIMIT_MS = 120000;

}  // namespace

SimSession::SimSession(const SimOptions& options)
    : options_(options), media_([this](const std::string& line) { traceLine(line); }),
      effects_([this](const std::string& line) { traceLine(line); }),
      game_(media_, effects_, [this](const std::string& line) { traceLine(line); })
{
    if (options_.tuneGift)
        game_.field.giftVelocity = options_.giftVelocity;
    if (options_.tuneFall)
        game_.field.fallVelocity = options_.fallVelocity;
}

void SimSession::traceLine(const std::string& line) const
{
    if (options_.trace)
        std::printf("%s\n", line.c_str());
}

bool SimSession::begin()
{
    gameRandom.seed(options_.seed);
    return game_.startLevel(options_.mapPath, options_.mode, 1, options_.start);
}

void SimSession::frame()
{
    media_.newFrame();
    game_.frame(FRAME_MS);
    if (broken_.empty())
        broken_ = invariants_.check(game_.field, FRAME_MS);
}

int SimSession::step(int ms)
{
    for (int left = ms; left > 0 && broken_.empty(); left -= FRAME_MS)
        frame();
    return broken_.empty() ? SIM_OK : SIM_BROKEN;
}

bool SimSession::levelOver() const { return game_.won || game_.failed || game_.field.modalDialog; }

int SimSession::settle()
{
    for (int waited = 0; !game_.resting() && !levelOver();
         waited += FRAME_MS) {
        if (waited >= SETTLE_LIMIT_MS)
            return SIM_NOT_SETTLED;
        frame();
        if (!broken_.empty())
            return SIM_BROKEN;
    }
    return SIM_OK;
}

void SimSession::click(int button, int index)
{
    GameField& field = game_.field;
    const int x = field.centreX(index), y = field.centreY(index);
    field.onMouseMove(x, y);
    field.onButtonDown(button, x, y);
    field.onButtonUp(button);
}

void SimSession::drag(int index, int dx, int dy)
{
    GameField& field = game_.field;
    const int x = field.centreX(index), y = field.centreY(index);
    field.onMouseMove(x, y);
    field.onButtonDown(1, x, y);
    field.onMouseMove(x + dx, y + dy);
    field.onButtonUp(1);
}

int SimSession::autoplay(int moves)
{
    for (int n = 0; n < moves; ++n) {
        if (int result = settle())
            return result;
        if (levelOver()) {
            // A finished level: a started game goes on with the next one
            // (the same one after a failure or in the quest and puzzle
            // modes, whose next map the simulator does not know).
            if (!options_.start)
                return SIM_OK;
            const bool next = game_.won && (options_.mode == MODE_ACTION || options_.mode == MODE_CUBE);
            game_.startLevel(options_.mapPath, options_.mode, game_.level + (next ? 1 : 0), true);
            continue;
        }
        const int move = game_.field.findMove();
        if (move == 0)
            return SIM_OK;
        click(1, pairFirst(move));
        click(1, pairSecond(move));
        // The cube finder does not look at chains: a move onto a locked
        // gift starts nothing, and the board has no real move left.
        if (!game_.field.busy)
            return SIM_OK;
    }
    return settle();
}

void SimSession::print() const
{
    const GameField& field = game_.field;
    std::printf("score %d level %d layers %d chain %d wands %d gems %d gifts %zu time %d busy %d\n",
                game_.scorer.score, game_.level, field.layers, game_.scorer.chain, game_.wands, game_.scorer.gems,
                field.giftList().size(), field.timeLeft, field.busy ? 1 : 0);
    std::fputs(describeGrid(field.toLevelMap()).c_str(), stdout);
}

int SimSession::run(const std::string& line, std::string& problem)
{
    std::istringstream in(line.substr(0, line.find('#')));
    std::string command;
    if (!(in >> command))
        return SIM_OK;
    int a = 0, b = 0, c = 0;
    std::string file;
    int result = SIM_OK;
    bool fits = true;
    if (command == "click" || command == "rclick") {
        fits = static_cast<bool>(in >> a) && validCell(a);
        if (fits)
            click(command == "click" ? 1 : 2, a);
    } else if (command == "drag") {
        fits = static_cast<bool>(in >> a >> b >> c) && validCell(a);
        if (fits)
            drag(a, b, c);
    } else if (command == "swap") {
        fits = static_cast<bool>(in >> a >> b) && validCell(a) && validCell(b);
        if (fits) {
            click(1, a);
            click(1, b);
        }
    } else if (command == "wand") {
        game_.armed = game_.wands > 0;
    } else if (command == "step") {
        fits = static_cast<bool>(in >> a) && a >= 0;
        if (fits)
            result = step(a);
    } else if (command == "settle") {
        result = settle();
    } else if (command == "print") {
        print();
    } else if (command == "save") {
        fits = static_cast<bool>(in >> file);
        if (fits && game_.field.saveMap(file) != 0) {
            problem = "cannot write " + file;
            return SIM_USAGE;
        }
    } else if (command == "autoplay") {
        fits = static_cast<bool>(in >> a) && a >= 0;
        if (fits)
            result = autoplay(a);
    } else {
        fits = false;
    }
    std::string extra;
    if (!fits || in >> extra) {
        problem = "bad script line: " + line;
        return SIM_USAGE;
    }
    if (result == SIM_NOT_SETTLED)
        problem = "the board did not come to rest within 120 s";
    else if (result == SIM_BROKEN)
        problem = "the board broke a rule: " + broken_;
    return result;
}
