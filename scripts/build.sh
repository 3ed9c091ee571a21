#!/usr/bin/env bash
# Configures and builds one build folder:
#   build.sh FOLDER [--target TARGET] [cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$1
shift
target=()
if [[ ${1:-} == --target ]]; then
  target=(--target "$2")
  shift 2
fi
cmake -S "$root" -B "$root/$folder" -G Ninja "$@" > "$root/$folder.configure.log" 2>&1 ||
  { cat "$root/$folder.configure.log"; exit 1; }
cmake --build "$root/$folder" -j "$(nproc)" "${target[@]}"
