#!/usr/bin/env bash
# Installs what the game needs to build on Debian 12 (only what is missing)
# and builds it into build/.  Safe to run again: quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev
  libjpeg-dev libfontconfig-dev zlib1g-dev fonts-comic-neue
  libtomlplusplus-dev libgtest-dev libbenchmark-dev
  xvfb xauth clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

build_dir=${RAKETA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${RAKETA_BUILD_TYPE:-RelWithDebInfo} ${RAKETA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
