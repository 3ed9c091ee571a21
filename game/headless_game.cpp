#include "game/headless_game.h"

#include "game/generated_levels.h"

#include <algorithm>

HeadlessGame::HeadlessGame(FieldMedia& media, FieldEffects& effects, std::function<void(const std::string&)> sink)
    : field(media, *this), scorer(field, *this, effects), effects_(effects), sink_(std::move(sink))
{
}

bool HeadlessGame::startLevel(std::string_view mapPath, int mode, int levelNumber, bool start)
{
    field.mode = mode;
    level = levelNumber;
    if (!field.loadMap(mapPath))
        return false;
    won = failed = false;
    field.done = false;
    field.elapsed = 0;
    scorer.beginLevel(level);
    if (start)
        beginLevel();
    else
        field.applyPendingLocks();
    return true;
}

void HeadlessGame::beginLevel()
{
    switch (field.mode) {
    case MODE_PUZZLE:
        field.applyPendingLocks();
        return;
    case MODE_QUEST:
        field.timeLeft = field.timeLimit;
        break;
    default:
        setGeneratedLevel(field, level);
        scorer.goal = goalFor(level);
        scorer.progress = 0.0f;
        break;
    }
    field.fillEmptyCells();
    field.prepareBoard();
}

void HeadlessGame::frame(int ms)
{
    scorer.updateMessage(ms);
    if (field.mode == MODE_ACTION || field.mode == MODE_CUBE) {
        const float share = std::min(scorer.pendingProgress, static_cast<float>(scorer.goal) / 300.0f);
        if (share > 0.0f) {
            scorer.progress += share;
            scorer.pendingProgress -= share;
        }
    }
    if (!won && !failed)
        field.update(ms);
}

void HeadlessGame::spendWand()
{
    --wands;
    armed = false;
}

void HeadlessGame::fillGoal()
{
    scorer.progress = static_cast<float>(scorer.goal);
    scorer.pendingProgress = 0.0f;
}

bool HeadlessGame::showTip(int index, int, int)
{
    if (index == 3) {
        if (level != 1)
            return false;
    } else if (tipShown[static_cast<std::size_t>(index)]) {
        return false;
    }
    tipShown[static_cast<std::size_t>(index)] = true;
    report("tip " + std::to_string(index));
    return true;
}

void HeadlessGame::reportWon()
{
    if (!won)
        report("won");
    won = true;
}

void HeadlessGame::reportFailed()
{
    if (!failed)
        report("failed");
    failed = true;
}

FieldDialog* HeadlessGame::openDialog(const char* name)
{
    report(std::string("dialog ") + name);
    return &dialog_;
}

void HeadlessGame::report(const std::string& line) const
{
    if (sink_)
        sink_(line);
}
