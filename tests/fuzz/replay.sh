#!/usr/bin/env bash
# Replays every corpus (seeds and kept crash inputs) through its fuzz target
# once: replay.sh BUILD_FOLDER. Fuzzing proper runs by hand:
#   BUILD/tests/fuzz/fuzz_NAME -max_total_time=600 tests/fuzz/corpus/NAME
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count=0
for source in "$here"/fuzz_*.cpp; do
  [[ -e "$source" ]] || continue
  name=$(basename "$source" .cpp)
  corpus="$here/corpus/${name#fuzz_}"
  [[ -d "$corpus" ]] || { echo "no corpus for $name"; exit 1; }
  # The target runs in a scratch folder: some readers write gerr.log.
  (cd "$work" && ASAN_OPTIONS=detect_leaks=1 "$build/tests/fuzz/$name" -runs=0 "$corpus" > "$work/$name.log" 2>&1) ||
    { cat "$work/$name.log"; echo "$name: a corpus input failed"; exit 1; }
  inputs=$(find "$corpus" -type f | wc -l)
  echo "$name: $inputs inputs replayed"
  count=$((count + 1))
done
echo "fuzz corpora: $count targets replayed"
