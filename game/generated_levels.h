#pragma once
// The colours, bonuses and goal of the generated levels of the action and
// cube modes, which play every level on their base map.

class GameField;

// Enables the level's colours (and in the cube mode its bonuses).
void setGeneratedLevel(GameField& field, int level);
// The goal bar's length for a level.
int goalFor(int level);
