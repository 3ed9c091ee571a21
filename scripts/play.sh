#!/usr/bin/env bash
# Installs what is missing, builds the game in release mode, prepares the
# run folder and starts the game there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release
cd "$root/build/run"
exec ./giftfall
