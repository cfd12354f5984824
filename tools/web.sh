#!/usr/bin/env bash
# The game as a web page, built with Debian's Emscripten into build-web/:
#   build-web/site/   the page (index.html, raketa.js, raketa.wasm), to be
#                     served by any static web server
#   build-web/raketa.html
#                     the whole game in one file, to be opened from disk
#   build-web/node/raketa.js
#                     the same game for node over the host's files:
#                     node build-web/node/raketa.js --replay SCRIPT
# Installs what is missing first.  The world and room texts come from the
# native build (build/gamedata), which is made or brought up to date too.
#
#   tools/web.sh         builds both
#   tools/web.sh test    builds, then runs every replay case through the node
#                        build and compares it with the native program, and
#                        plays the page in headless Chromium
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/install_missing.sh

mode=${1:-build}
case "$mode" in
  build | test) ;;
  *) echo "usage: tools/web.sh [test]" >&2; exit 2 ;;
esac

web_packages=(emscripten node-acorn libstb-dev fonts-comic-neue)
install_missing "${web_packages[@]}"
# Emscripten's optimizer finds acorn among Debian's node modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

if [ "$mode" = test ]; then
  tools/setup.sh --tests
else
  tools/setup.sh
fi

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# Built for size (-Os): a smaller program is fetched, compiled and optimized
# by the browser sooner, and the game is far from needing -O3's speed.
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DRAKETA_TESTS=OFF -DRAKETA_BENCH=OFF \
  -DRAKETA_NATIVE_GAMEDATA="$PWD/build/gamedata" "${launcher[@]}" ${RAKETA_WEB_CMAKE_ARGS:-} >/dev/null
cmake --build build-web -j"$(nproc)"

[ "$mode" = test ] || exit 0

# Every replay case through the node build, compared with the native program.
cmake -S . -B build -DRAKETA_NODE_GAME="$PWD/build-web/node/raketa.js" >/dev/null
cmake --build build -j"$(nproc)" --target raketa_node_replays
(cd build && ctest --output-on-failure -j"$(nproc)" -L node)

# The page in headless Chromium, driven by puppeteer-core (from npm; the
# browser is Debian's): the steps of tests/web/*.replay played in the page
# and its picture compared with the native replay's screenshots of them.
install_missing chromium
(cd tools/web_test && npm ci --no-audit --no-fund --loglevel=error)
reference=build-web/test/native
rm -rf build-web/test && mkdir -p "$reference"
cp -r build/gamedata/. "$reference/"
for steps in save_steps load_steps continue_steps; do
  (cd "$reference" && ../../../build/raketa --replay "../../../tests/web/$steps.replay" >"$steps.trace")
done
# The same first visit with speech on: what the game says is what the page
# must show as its record of the game and tell screen readers.
spoken=build-web/test/spoken
mkdir -p "$spoken" && cp -r build/gamedata/. "$spoken/"
(cd "$spoken" && ../../../build/raketa --speak --replay ../../../tests/web/save_steps.replay >save_steps.trace)
node tools/web_test/play_page.mjs build-web/site "$reference" build-web/test/page "$spoken/save_steps.trace" build-web/raketa.html
