#include "game/scorer.h"

#include "game/field_effects.h"
#include "game/game_field.h"

#include <algorithm>

namespace {

constexpr int MAX_STEP_FACTOR = 10;
constexpr std::string_view STEP_SOUNDS[] = {"row", "row3", "row4", "row5"};
constexpr std::string_view MESSAGE_SOUNDS[] = {"combo1", "combo2", "combo3", "combo4", "diamond_bonus"};

bool hasGoalBar(int mode) { return mode == MODE_ACTION || mode == MODE_CUBE; }

}  // namespace

int collectorSlotsFor(int level)
{
    if (level <= 5)
        return 3;
    if (level <= 11)
        return 4;
    if (level <= 17)
        return 5;
    if (level <= 24)
        return 6;
    if (level <= 32)
        return 7;
    return 8;
}

Scorer::Scorer(GameField& field, ScoreDisplay& display, FieldEffects& effects)
    : field_(field), display_(display), effects_(effects)
{
}

void Scorer::queueScore(int code)
{
    if (queueLength_ < QUEUE_SIZE)
        queue_[static_cast<std::size_t>(queueLength_++)] = code;
}

void Scorer::scoreStep()
{
    const int n = queueLength_;
    // A step that queued nothing (the player's own bad line) would drive
    // the factor below zero and make later cascades of the move lose
    // points; it stays at 0 or more.
    const int factor = std::clamp(n + chain - 2, 0, MAX_STEP_FACTOR);
    if (hasGoalBar(field_.mode))
        pendingProgress += static_cast<float>(n);
    for (int i = n - 1; i >= 0; --i)
        scoreEntry(queue_[static_cast<std::size_t>(i)], factor);
    queueLength_ = 0;
    chain = std::max(factor - 1, 0);
    awardGems();
    field_.colourTally.fill(0);
    field_.colourMean.fill(0);
    const int steps = std::min(field_.scoringSteps, 3);
    field_.playSound(STEP_SOUNDS[steps]);
    if (field_.mode == MODE_PUZZLE)
        return;
    switch (field_.scoringSteps) {
    case 2: showMessage(MESSAGE_COMBO); break;
    case 4: showMessage(MESSAGE_SUPERCOMBO); break;
    case 6: showMessage(MESSAGE_ULTRACOMBO); break;
    case 8: showMessage(MESSAGE_UNBELIEVABLE); break;
    default: break;
    }
}

void Scorer::scoreEntry(int entry, int factor)
{
    const int k = entry >= 3000 ? 3 : entry >= 2000 ? 2 : entry >= 1000 ? 1 : 0;
    const int index = entry - 1000 * k;
    const int points = k <= 1 ? 10 * factor + 50 * k : k == 2 ? 500 : 100;
    effects_.SpawnScorePopup(field_.centreX(index), field_.centreY(index), points);
    if (hasGoalBar(field_.mode))
        pendingProgress += 0.1f * static_cast<float>(points);
    score += points;
    checkBonusLife();
    levelScore += points;
    display_.showScore(score);
}

void Scorer::awardGems()
{
    const int threshold = field_.mode == MODE_CUBE ? 8 : 4;
    for (int c = 0; c < ORDINARY_COLOURS; ++c) {
        const int tally = field_.colourTally[static_cast<std::size_t>(c)];
        if (tally < threshold)
            continue;
        const int mean = field_.colourMean[static_cast<std::size_t>(c)];
        effects_.SpawnGem(mean % 1000, mean / 1000, tally == threshold ? 1 : 2);
        ++gems;
        if (tally == threshold || field_.mode == MODE_PUZZLE || !collectGem())
            continue;
        showMessage(MESSAGE_GEMBONUS);
        score += COLLECTOR_BONUS;
        display_.showScore(score);
    }
}

bool Scorer::collectGem()
{
    if (collectorFilled >= collectorSlots)
        return false;
    effects_.SpawnSparkle(48 * collectorFilled - 24 * collectorSlots + 432, 40);
    ++collectorFilled;
    return collectorFilled == collectorSlots;
}

void Scorer::checkBonusLife()
{
    if (field_.mode != MODE_QUEST || score < (bonusLivesGiven + 1) * BONUS_LIFE_POINTS)
        return;
    ++bonusLivesGiven;
    display_.playSound("bonuslife");
    display_.addLife();
}

void Scorer::addScore(int points)
{
    score += points;
    checkBonusLife();
    display_.showScore(score);
    display_.redrawAll();
}

void Scorer::showMessage(int type)
{
    messageType = type;
    messageTimer = 0;
    display_.playSound(MESSAGE_SOUNDS[type]);
    display_.showComboMessage(type);
}

void Scorer::beginLevel(int level)
{
    collectorSlots = collectorSlotsFor(level);
    collectorFilled = 0;
    messageTimer = MESSAGE_HIDDEN_MS;
    levelScore = 0;
    pendingProgress = 0.0f;
}

void Scorer::updateMessage(int ms) { messageTimer = std::min(messageTimer + ms, MESSAGE_HIDDEN_MS); }
