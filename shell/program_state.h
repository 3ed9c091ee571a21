#pragma once
// Program-wide state the start-up reads: the high-score table and the
// current player.

#include <cstdint>

constexpr int HIGH_SCORE_COUNT = 10;
constexpr int HIGH_SCORE_NAME_SIZE = 16;  // 15 characters and the terminator
constexpr int PLAYER_NAME_SIZE = 256;

struct HighScore {
    char name[HIGH_SCORE_NAME_SIZE] = {};
    std::int32_t score = 0;
};

// Best first.
extern HighScore HighScores[HIGH_SCORE_COUNT];

// Index into the player list of "profiles.ini", -1 for none.
extern int CurrentPlayer;
extern char CurrentPlayerName[PLAYER_NAME_SIZE];

// "game.ini" [highscores] name0..name9 and score0..score9.
void readHighScores();
void writeHighScores();
// "profiles.ini": [main] "current", and that player's name from [users].
void readCurrentPlayer();
