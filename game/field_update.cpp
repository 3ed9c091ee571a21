// The field's per-frame step: sounds and time, gift motion, the match
// search at rest, the level's goal, then resolving, refilling or resting.

#include "game/game_field.h"

void GameField::update(int ms)
{
    rested = false;
    if (landed) {
        playSound("fall");
        landed = false;
    }
    if (modalDialog)
        modalDialog->advance(ms);
    hoverCell = cellAt(mouseX, mouseY);
    elapsed += ms;
    if (layersClearedThisFrame != 0) {
        effects().playFlycell();
        layersClearedThisFrame = 0;
    }
    advanceTime(ms);
    for (Gift& gift : gifts_)
        gift.update(ms);

    if (!busy) {
        if (findMatches()) {
            busy = true;
            pendingSwapBack = -1;
        } else {
            if (hoverCell >= 0 && cell(hoverCell).gift)
                cell(hoverCell).gift->hover = true;
            if (pendingSwapBack >= 0)
                swapBack();
        }
    }
    checkGoal();

    if (busy)
        resolveBusyBoard(ms);
    else if (moveMade)
        refillAfterMove();
    else
        rest(ms);
}

void GameField::advanceTime(int ms)
{
    // Only the quest is played against the clock.
    if (mode != MODE_QUEST)
        return;
    if (timeLeft > 0)
        timeLeft -= ms;
    if (timeLeft <= 0 || timeLeft % 1000 >= 20)
        return;
    if (timeLeft < 15000) {
        playSound("warning");
        effects().SpawnTimeBarFlash();
    }
    if (timeLeft < 16000)
        screen.showTip(1, 274, 550);
}

bool GameField::goalMet() const
{
    switch (mode) {
    case MODE_QUEST: return layers == 0;
    case MODE_PUZZLE: return gifts_.empty();
    default: return screen.goalReached();
    }
}

void GameField::checkGoal()
{
    if (done || !goalMet())
        return;
    playSound("done");
    screen.stopMusic();
    done = true;
}

void GameField::resolveBusyBoard(int ms)
{
    hintTimer = 0;
    bool anyBusy = false;
    for (int i = 0; i < count; ++i)
        anyBusy = updateCell(i, ms) || anyBusy;
    busy = anyBusy;
    for (int i = 0; i < count; ++i)
        cell(i).removed = false;
    if (moveMade && removedSinceScoring != 0) {
        screen.scoreStep();
        removedSinceScoring = 0;
        ++scoringSteps;
    }
}

void GameField::refillAfterMove()
{
    gravityAnimated();
    busy = true;
    moveMade = false;
    if (mode == MODE_PUZZLE)
        return;
    screen.raiseChain();
    ensureMove();
}

void GameField::rest(int ms)
{
    rested = true;
    screen.resetChain();
    removedThisMove = 0;
    scoringSteps = 0;
    removedSinceScoring = 0;
    if (mode == MODE_QUEST && timeLeft <= 0) {
        screen.reportFailed();
        return;
    }
    if (const int move = findMove()) {
        runHint(move, ms);
    } else if (mode == MODE_PUZZLE && !gifts_.empty() && !modalDialog) {
        modalDialog = screen.openDialog("nomovespuzzle");
        return;
    } else if (mode == MODE_ACTION || mode == MODE_CUBE) {
        // A spent rainbow can leave a board without a move and no refill
        // to mend it; the endless modes have no wand to go on with, so the
        // level ends as when a refill cannot give a move.
        screen.fillGoal();
        screen.reportWon();
        return;
    }
    if (goalMet())
        screen.reportWon();
}
