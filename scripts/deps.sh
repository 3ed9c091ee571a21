#!/usr/bin/env bash
# Installs the Debian packages the build, the tools and the tests need,
# calling apt-get only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libsdl2-dev libjpeg62-turbo-dev libvorbis-dev libogg-dev
  libcairo2-dev libfreetype-dev libpng-dev libpixman-1-dev
  libgtest-dev clang libclang-rt-14-dev
  fonts-comfortaa fonts-lobster fonts-quicksand
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
