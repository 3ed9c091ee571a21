#pragma once
// The scorer of the game screen: turns the cells cleared in one step of a
// move into points, grows the goal bar, awards gems and bonus lives, fills
// the gem collector and picks the combo message.

#include "game/level_map.h"

#include <array>
#include <string_view>

class FieldEffects;
class GameField;

// Combo message types.
constexpr int MESSAGE_COMBO = 0;
constexpr int MESSAGE_SUPERCOMBO = 1;
constexpr int MESSAGE_ULTRACOMBO = 2;
constexpr int MESSAGE_UNBELIEVABLE = 3;
constexpr int MESSAGE_GEMBONUS = 4;
constexpr int MESSAGE_HIDDEN_MS = 2000;

constexpr int BONUS_LIFE_POINTS = 250000;
constexpr int COLLECTOR_BONUS = 10000;

// What the scorer shows and plays on the game screen.
class ScoreDisplay {
public:
    virtual ~ScoreDisplay() = default;
    // The "score" widget.
    virtual void showScore(int score) = 0;
    // One more life, shown in "lifes", with a full redraw.
    virtual void addLife() = 0;
    virtual void redrawAll() = 0;
    // A sound of the bank ("bonuslife", "combo1" to "combo4",
    // "diamond_bonus").
    virtual void playSound(std::string_view name) = 0;
    // A combo message of a type starts (its drawing is the screen's).
    virtual void showComboMessage(int type) = 0;
};

class Scorer {
public:
    Scorer(GameField& field, ScoreDisplay& display, FieldEffects& effects);

    // One coded entry: cell + 1000 * k (k 0 plain, 1 layer, 2 score or
    // wand cell, 3 bad gift cleared by a fall).
    void queueScore(int code);
    // Converts the queue into points.
    void scoreStep();
    void addScore(int points);
    void showMessage(int type);
    // The collector and the message at a level start.
    void beginLevel(int level);
    // Advances the combo message's timer.
    void updateMessage(int ms);
    bool messageShowing() const { return messageTimer < MESSAGE_HIDDEN_MS; }
    int queued() const { return queueLength_; }

    int score = 0;
    int levelScore = 0;
    int chain = 0;
    int gems = 0;
    int bonusLivesGiven = 0;
    int collectorSlots = 3, collectorFilled = 0;
    float progress = 0.0f, pendingProgress = 0.0f;
    int goal = 0;
    int messageType = -1;
    int messageTimer = MESSAGE_HIDDEN_MS;

    // Every cell can be cleared once by a column line and once by a row
    // line of the same step.
    static constexpr int QUEUE_SIZE = 2 * MAX_CELLS;

private:
    void scoreEntry(int entry, int factor);
    void checkBonusLife();
    void awardGems();
    // Puts a gem in the collector; true when it filled the last slot.
    bool collectGem();

    GameField& field_;
    ScoreDisplay& display_;
    FieldEffects& effects_;
    std::array<int, QUEUE_SIZE> queue_ {};
    int queueLength_ = 0;
};

// The collector's slots on a level.
int collectorSlotsFor(int level);
