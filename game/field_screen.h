#pragma once
// What the field asks of the game screen that owns it: redrawing, the
// scorer and its chain counter, the wands, the goal bar, tutorial tips, the
// level's end, the modal dialog and the music. Everything but the two
// drawing requests does nothing unless a screen overrides it.

#include "game/field_effects.h"

// A dialog the field holds while it is open (the puzzle mode's
// "nomovespuzzle"); owned by the screen manager.
class FieldDialog {
public:
    virtual ~FieldDialog() = default;
    virtual void advance(int ms) = 0;
};

class FieldScreen {
public:
    virtual ~FieldScreen() = default;
    // Everything on the screen is to be drawn anew.
    virtual void redrawAll() = 0;
    // A new level was loaded: its background picture is to be made.
    virtual void rebuildLevelBackground() = 0;

    virtual FieldEffects& effects()
    {
        static NoFieldEffects none;
        return none;
    }

    // The scorer (coded cell entries, one step of the queue) and its
    // cascade counter.
    virtual void queueScore(int) {}
    virtual void scoreStep() {}
    virtual void raiseChain() {}
    virtual void lowerChain() {}
    virtual void resetChain() {}

    // The magic wand: armed by the "magic" toggle; spending one takes it
    // from the count, shows the count, disarms the wand, restores the
    // cursor and releases the toggle.
    virtual bool wandArmed() const { return false; }
    virtual void spendWand() {}
    virtual void addWand() {}

    // The goal bar of the action and cube modes.
    virtual bool goalReached() const { return false; }
    virtual void fillGoal() {}

    // Opens a tutorial tip pointing at (x, y); true when it opened now.
    virtual bool showTip(int, int, int) { return false; }

    virtual void reportWon() {}
    virtual void reportFailed() {}
    virtual bool levelWon() const { return false; }
    // Input counts only while the screen is active and not leaving.
    virtual bool acceptsInput() const { return true; }

    // Opens a screen by name as a dialog over the game; null when none.
    virtual FieldDialog* openDialog(const char*) { return nullptr; }
    virtual void stopMusic() {}
};

class NoFieldScreen final : public FieldScreen {
public:
    void redrawAll() override {}
    void rebuildLevelBackground() override {}
};
