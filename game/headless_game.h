#pragma once
// A game screen without a window: it owns the field and its scorer, keeps
// the play state (lives, wands, level, goal bar, tips, won and failed) and
// runs level starts and frames as the game screen does. Used by the field
// simulator, the benchmark and the tests.

#include "game/field_screen.h"
#include "game/game_field.h"
#include "game/scorer.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

class HeadlessGame final : public FieldScreen, public ScoreDisplay {
public:
    // sink (may be empty) receives "tip N", "dialog NAME", "won", "failed".
    HeadlessGame(FieldMedia& media, FieldEffects& effects, std::function<void(const std::string&)> sink = {});

    // Loads a map for a mode; with start the mode's level start runs (fill
    // and preparation, generated colours and goal), otherwise only the
    // map's locks are applied. False when the map cannot be loaded.
    bool startLevel(std::string_view mapPath, int mode, int level, bool start);
    // One frame of the game screen: the field steps while the level is
    // neither won nor failed; the goal bar and the combo message advance.
    void frame(int ms);
    // The last frame found the board at rest with nothing left to resolve.
    bool resting() const { return field.rested && !field.busy; }

    // FieldScreen.
    void redrawAll() override {}
    void rebuildLevelBackground() override {}
    FieldEffects& effects() override { return effects_; }
    void queueScore(int code) override { scorer.queueScore(code); }
    void scoreStep() override { scorer.scoreStep(); }
    void raiseChain() override { ++scorer.chain; }
    void lowerChain() override { --scorer.chain; }
    void resetChain() override { scorer.chain = 0; }
    bool wandArmed() const override { return armed; }
    void spendWand() override;
    void addWand() override { ++wands; }
    bool goalReached() const override { return scorer.progress > static_cast<float>(scorer.goal); }
    void fillGoal() override;
    bool showTip(int index, int x, int y) override;
    void reportWon() override;
    void reportFailed() override;
    bool levelWon() const override { return won; }
    FieldDialog* openDialog(const char* name) override;

    // ScoreDisplay.
    void showScore(int) override {}
    void addLife() override { ++lives; }
    void playSound(std::string_view) override {}
    void showComboMessage(int) override {}

    GameField field;
    Scorer scorer;
    int level = 1;
    int lives = 5;
    int wands = 5;
    bool armed = false;
    bool won = false, failed = false;
    std::array<bool, 9> tipShown {};

private:
    struct StillDialog final : FieldDialog {
        void advance(int) override {}
    };
    void beginLevel();
    void report(const std::string& line) const;

    FieldEffects& effects_;
    std::function<void(const std::string&)> sink_;
    StillDialog dialog_;
};
