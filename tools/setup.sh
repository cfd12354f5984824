#!/usr/bin/env bash
# Installs what the game needs to build and play on Debian 12 (only what is
# missing) and builds it into build/.  With --tests it also installs what the
# tests, benchmarks and quality tools need, and builds them.  Safe to run
# again: quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev
  libstb-dev zlib1g-dev fonts-comic-neue
  libespeak-ng-dev espeak-ng-data
  libtomlplusplus-dev
)
test_packages=(
  libgtest-dev libbenchmark-dev
  xvfb xauth clang libclang-rt-14-dev file
  # the asset maker, and sox for the check of the cues it makes
  libsdl2-ttf-dev libfontconfig-dev libjpeg-dev libvorbis-dev sox
)
with_tests=0
if [ "${1:-}" = --tests ]; then
  with_tests=1
  packages+=("${test_packages[@]}")
fi
source tools/install_missing.sh
install_missing "${packages[@]}"

# Without --tests the tests and benchmarks are built only where their
# libraries are already there (a machine that ran tools/test.sh before).
tests=ON
if ((!with_tests)) && ! { installed libgtest-dev && installed libbenchmark-dev; }; then
  tests=OFF
fi

build_dir=${RAKETA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${RAKETA_BUILD_TYPE:-RelWithDebInfo} \
  -DRAKETA_TESTS=$tests -DRAKETA_BENCH=$tests ${RAKETA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
