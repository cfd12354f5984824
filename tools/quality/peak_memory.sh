#!/usr/bin/env bash
# Peak memory of the live game in play, as docs/performance.md gives it: the
# game started full screen on a 1024 x 768 Xvfb with SDL's audio (the dummy
# device unless SDL_AUDIODRIVER says otherwise), Esc pressed to skip the
# intro, ended with SIGTERM 8 s after its start, in room 1.  The figure is
# the process's peak resident size ("Maximum resident set size" of
# /usr/bin/time -v, the same as VmHWM), for every run and their median.
# Every run has a throw-away home, so no kept game or setting of the
# player's is read or written.
#   tools/quality/peak_memory.sh [RUNS] [GAME]
# RUNS defaults to 3, GAME to build/raketa (its gamedata/ folder beside it).
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-3}
game=$(realpath "${2:-build/raketa}")
data=$(dirname "$game")/gamedata
[ -x "$game" ] && [ -d "$data" ] || { echo "build the game first (tools/setup.sh)" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "Xvfb is needed (apt-get install xvfb)" >&2; exit 2; }

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
player=$work/x_player
cc -O1 -o "$player" tools/live_check/x_player.c -lX11
cp -r "$data" "$work/data"

# A display number nobody else uses, chosen by the server itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$work/display")
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

peaks=()
for run in $(seq "$runs"); do
  home=$work/home$run
  mkdir -p "$home"
  (cd "$work/data" && HOME=$home XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state \
     XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache \
     exec /usr/bin/time -v -o "$work/time$run" timeout -s TERM 8 "$game" >/dev/null 2>&1) &
  started=$!
  "$player" wait
  "$player" focus
  sleep 1.5
  "$player" key Escape
  wait "$started" || true
  kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time$run")
  [ -n "$kb" ] || { echo "run $run: no figure" >&2; exit 1; }
  peaks+=("$kb")
  awk -v k="$kb" -v r="$run" 'BEGIN { printf "run %d: %d kB = %.1f MB\n", r, k, k / 1024 }'
done
median=$(printf '%s\n' "${peaks[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
awk -v k="$median" -v n="$runs" 'BEGIN { printf "median of %d: %d kB = %.1f MB\n", n, k, k / 1024 }'
