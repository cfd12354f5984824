#!/usr/bin/env bash
# The live game in a real window under Xvfb: the window's close button keeps
# the running game, and the next start goes on with it; a game that loses
# the keyboard shows that it stands; SIGTERM keeps the game too.
#   tools/live_check/close_button.sh [OUT]
# Leaves the screenshots (intro, play, continued, stopped) in OUT (default
# build/live_check) to be looked at; fails when the kept game is missing or
# is not the one continued.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$(realpath -m "${1:-build/live_check}")
game=$PWD/build/raketa
[ -x "$game" ] || { echo "build the game first (tools/setup.sh)" >&2; exit 2; }
mkdir -p "$out"
work=$(mktemp -d)
player=$work/x_player
cc -O1 -o "$player" tools/live_check/x_player.c -lX11
cp -r build/gamedata "$work/data"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy
sleep 1

# The screen as a PNG (python's zlib; no image tools needed).
shot() {
  "$player" shot "$work/$1.ppm"
  python3 - "$work/$1.ppm" "$out/$1.png" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
head, body = data.split(b'\n', 3)[:3], data.split(b'\n', 3)[3]
w, h = map(int, head[1].split())
rows = b''.join(b'\0' + body[y * w * 3:(y + 1) * w * 3] for y in range(h))
def chunk(kind, payload):
    return struct.pack('>I', len(payload)) + kind + payload + struct.pack('>I', zlib.crc32(kind + payload))
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
png += chunk(b'IDAT', zlib.compress(rows, 6)) + chunk(b'IEND', b'')
open(sys.argv[2], 'wb').write(png)
PY
}

# First run: skip the intro and the room's text, walk south, close the
# window.
(cd "$work/data" && exec "$game" --window) &
first=$!
"$player" wait
"$player" focus
sleep 1
"$player" key Escape
sleep 5
"$player" key Tab
sleep 1
"$player" type jih
"$player" key Return
sleep 4
shot play
"$player" close
wait "$first"
kept="$work/data/pokračování.sav"
[ "$(stat -c %s "$kept" 2>/dev/null || echo 0)" = 56512 ] || { echo "FAIL: closing the window kept no game" >&2; exit 1; }
room=$(od -An -tu1 -N1 "$kept" | tr -d ' ')
[ "$room" != 1 ] || { echo "FAIL: the kept game is still in the first room" >&2; exit 1; }
echo "closing the window kept the game in room $room"

# Second run: the intro offers the kept game; Enter goes on with it.
(cd "$work/data" && exec "$game" --window) &
second=$!
"$player" wait
"$player" focus
sleep 2
shot intro
"$player" key Return
sleep 3
shot continued
# Without the keyboard the game stands, and says so over its picture.
"$player" unfocus
sleep 1
shot stopped
"$player" focus
sleep 1
"$player" key Tab
"$player" type sever
"$player" key Return
sleep 3
kill -TERM "$second"
wait "$second"
room=$(od -An -tu1 -N1 "$kept" | tr -d ' ')
[ "$room" = 1 ] || { echo "FAIL: SIGTERM did not keep the game back in room 1 (room $room)" >&2; exit 1; }
echo "the next start went on, and SIGTERM kept the game in room $room; screenshots in $out"
