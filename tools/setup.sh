#!/usr/bin/env bash
# Installs what the game needs to build and play on Debian 12 (only what is
# missing) and builds it into build/.  With --tests it also installs what the
# tests, benchmarks and quality tools need, and builds them; with --game it
# builds only the program and its data.  Safe to run again: quick when
# nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev
  libstb-dev zlib1g-dev fonts-comic-neue
  libespeak-ng-dev espeak-ng-data
  libtomlplusplus-dev
  hunspell-cs
)
test_packages=(
  libgtest-dev libbenchmark-dev
  xvfb xauth clang libclang-rt-14-dev file
  # the asset maker, and sox for the check of the cues it makes
  libsdl2-ttf-dev libfontconfig-dev libjpeg-dev libvorbis-dev sox
)
with_tests=0
targets=()
case "${1:-}" in
  --tests)
    with_tests=1
    packages+=("${test_packages[@]}")
    ;;
  --game)
    # Only what playing needs: the program and its data.
    targets=(--target raketa raketa_gamedata)
    ;;
esac
source tools/install_missing.sh
install_missing "${packages[@]}"

# Without --tests the tests and benchmarks are built only where their
# libraries are already there (a machine that ran tools/test.sh before).
tests=ON
if ((!with_tests)) && ! { installed libgtest-dev && installed libbenchmark-dev; }; then
  tests=OFF
fi

build_dir=${RAKETA_BUILD_DIR:-build}
# Warnings are errors in every build, so that the test command reuses what
# the play command built instead of compiling it all again.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${RAKETA_BUILD_TYPE:-RelWithDebInfo} \
  -DRAKETA_TESTS=$tests -DRAKETA_BENCH=$tests -DRAKETA_WERROR=ON ${RAKETA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
