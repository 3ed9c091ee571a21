#pragma once
// A headless game on a board written as text, with every sound, effect,
// tip, dialog and level end recorded, for the rule tests.
//
// Board rows use three characters per cell, as mapinfo prints them:
// background digit ('#' and two more characters for a hole), gift ('.'
// none, '0'-'7' a colour, 'b' bad, 'r' rainbow), lock digit ('t' makes the
// gift a teleport gift).

#include "game/field_trace.h"
#include "game/headless_game.h"
#include "game/level_map.h"
#include "support/temp_folder.h"

#include <string>
#include <vector>

LevelMap boardFromText(const std::vector<std::string>& rows);

class FieldRig {
public:
    // Tuning written to "data\common.ini" before the field reads it.
    static constexpr float GIFT_VELOCITY = 0.5f;
    static constexpr float FALL_VELOCITY = 0.1f;

    FieldRig();
    ~FieldRig();

    // Loads the board for a mode, applying its locks (no fill).
    void load(const std::vector<std::string>& rows, int mode = MODE_QUEST);
    void load(const LevelMap& map, int mode = MODE_QUEST);
    // Frames of 20 ms.
    void frames(int count);
    // Frames until the board rests (at most 60 s of game time).
    void settle();
    void click(int index, int button = 1);
    void swap(int a, int b);
    void drag(int index, int dx, int dy);

    // The grid as text, as the rows above.
    std::string grid() const;
    int count(const std::string& event) const;
    bool has(const std::string& event) const { return count(event) > 0; }
    // Events starting with a prefix.
    std::vector<std::string> starting(const std::string& prefix) const;

    GameField& field() { return game.field; }
    Scorer& scorer() { return game.scorer; }

    TempFolder folder;
    std::vector<std::string> events;
    TraceMedia media;
    TraceEffects effects;
    HeadlessGame game;

private:
    static int prepareFolder(TempFolder& folder);
};
