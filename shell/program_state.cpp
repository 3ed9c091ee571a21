#include "shell/program_state.h"

#include "foundation/ini.h"
#include "menu/widget.h"

#include <string>

HighScore HighScores[HIGH_SCORE_COUNT];
int CurrentPlayer = -1;
char CurrentPlayerName[PLAYER_NAME_SIZE] = {};

namespace {

constexpr const char* kGameIni = "game.ini";
constexpr const char* kProfilesIni = "profiles.ini";

std::string numbered(const char* stem, int i) { return stem + std::to_string(i); }

}  // namespace

void readHighScores()
{
    for (int i = 0; i < HIGH_SCORE_COUNT; ++i) {
        copyText(HighScores[i].name, iniGetString(kGameIni, "highscores", numbered("name", i).c_str()));
        HighScores[i].score = iniGetInt(kGameIni, "highscores", numbered("score", i).c_str());
    }
}

void writeHighScores()
{
    for (int i = 0; i < HIGH_SCORE_COUNT; ++i) {
        iniSetString(kGameIni, "highscores", numbered("name", i).c_str(), HighScores[i].name);
        iniSetInt(kGameIni, "highscores", numbered("score", i).c_str(), HighScores[i].score);
    }
}

void readCurrentPlayer()
{
    CurrentPlayer = iniGetInt(kProfilesIni, "main", "current");
    CurrentPlayerName[0] = 0;
    if (CurrentPlayer != -1)
        copyText(CurrentPlayerName, iniGetString(kProfilesIni, "users", std::to_string(CurrentPlayer).c_str()));
}
