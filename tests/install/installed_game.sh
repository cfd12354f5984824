#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR, starts the installed game from
# an empty folder in the replay mode, and checks that it reaches room 1 with
# the installed data and saves a.sav into the player's save folder, not into
# the working folder.
#   installed_game.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The prefix does not exist on this machine: the game must find its data
# beside the executable, as in an install tree that was moved.
DESTDIR="$scratch/root" cmake --install "$build" --prefix /opt/raketa-test >/dev/null
game="$scratch/root/opt/raketa-test/bin/raketa"
[ -x "$game" ] || fail "no installed program at $game"

# Each icon is a PNG with transparency of the size its folder promises.
for size in 48 128 256; do
  icon="$scratch/root/opt/raketa-test/share/icons/hicolor/${size}x${size}/apps/raketa.png"
  file -b "$icon" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "icon ${size}x${size}: $(file -b "$icon" 2>&1)"
done

mkdir "$scratch/empty" "$scratch/home"
cat >"$scratch/play.replay" <<'SCRIPT'
key Esc
wait 201
dialog a.sav
key F3
wait 2
SCRIPT

cd "$scratch/empty"
trace=$(env -u RAKETA_DATA HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_STATE_HOME="$scratch/state" \
  "$game" --replay "$scratch/play.replay") || fail "the replay ended with status $?"
grep -qx '[0-9]* room 1' <<<"$trace" || fail "room 1 never reached: $trace"
grep -q 'text "Ok uloženo.."' <<<"$trace" || fail "no save answer: $trace"
grep -q '^[0-9]* error' <<<"$trace" && fail "an error was reported: $trace"
[ "$(stat -c %s "$scratch/data/raketa/a.sav")" = 56512 ] || fail "a.sav is not in \$XDG_DATA_HOME/raketa"
[ -z "$(ls -A "$scratch/empty")" ] || fail "the working folder got files: $(ls -A "$scratch/empty")"
[ -z "$(ls -A "$scratch/home")" ] || fail "the home folder got files: $(ls -A "$scratch/home")"
echo "installed game reached room 1 and saved into \$XDG_DATA_HOME/raketa"
