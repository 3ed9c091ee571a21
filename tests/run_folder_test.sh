#!/usr/bin/env bash
# Staging the run folder copies the data and a default game.ini, and never
# overwrites or deletes a player's game.ini, profiles.ini or data/profiles/.
set -euo pipefail
stage=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/content/data/menu" "$work/content/data/Profiles" "$work/run/data/profiles"
echo "[main]" > "$work/content/data/menu/main.ini"
echo "default" > "$work/content/game.ini"
echo "shipped" > "$work/content/data/Profiles/Ann.sav"

cmake -DSOURCE_DIR="$work/content" -DRUN_DIR="$work/run" -P "$stage"
[[ $(cat "$work/run/game.ini") == default ]] || { echo "no default game.ini"; exit 1; }
[[ -f "$work/run/data/menu/main.ini" ]] || { echo "data not copied"; exit 1; }

echo "player settings" > "$work/run/game.ini"
echo "players" > "$work/run/profiles.ini"
echo "progress" > "$work/run/data/profiles/Ann.sav"
echo "[main] changed" > "$work/content/data/menu/main.ini"
cmake -DSOURCE_DIR="$work/content" -DRUN_DIR="$work/run" -P "$stage"
[[ $(cat "$work/run/game.ini") == "player settings" ]] || { echo "game.ini overwritten"; exit 1; }
[[ $(cat "$work/run/profiles.ini") == players ]] || { echo "profiles.ini lost"; exit 1; }
[[ $(cat "$work/run/data/profiles/Ann.sav") == progress ]] || { echo "a saved game was overwritten"; exit 1; }
[[ $(cat "$work/run/data/menu/main.ini") == "[main] changed" ]] || { echo "data not refreshed"; exit 1; }
echo "run folder staging keeps the player's files"
