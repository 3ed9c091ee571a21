#!/usr/bin/env bash
# Installs what is missing, builds the game in release mode with its run
# folder, and runs the whole test suite: the tests in the release build and
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then every
# fuzzing corpus replayed through its target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_FRAMEBUFFER_ACCELERATION=0

bash "$root/scripts/deps.sh"

echo "== release build"
bash "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

echo "== sanitizer build"
bash "$root/scripts/build.sh" build-asan -DCMAKE_BUILD_TYPE=Debug -DGIFTFALL_SANITIZE=ON
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs")

echo "== fuzzing corpora"
bash "$root/scripts/build.sh" build-fuzz --target fuzz_targets -DCMAKE_BUILD_TYPE=Debug -DGIFTFALL_FUZZ=ON -DGIFTFALL_TESTS=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
bash "$root/tests/fuzz/replay.sh" "$root/build-fuzz"
