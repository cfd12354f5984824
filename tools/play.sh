#!/usr/bin/env bash
# Sets up, builds and starts the game in its data directory.  Extra
# arguments go to the game (e.g. --window).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --game
cd build/gamedata
exec ../raketa "$@"
