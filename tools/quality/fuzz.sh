#!/usr/bin/env bash
# tools/quality/fuzz.sh [SECONDS]: builds the fuzz target with clang into
# build-q-fuzz/ (or $RAKETA_FUZZ_BUILD_DIR) and runs it for SECONDS (default
# 60) on the corpus kept there, seeded with the tests' world and its saves,
# the shipped world once it has been built, and every crash fixture.
# A crash is copied to tests/fixtures/ (commit it: a test loads every file
# there) and the script fails.  The final statistics give the execs/s.
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/../.."
root=$PWD
build=$root/${RAKETA_FUZZ_BUILD_DIR:-build-q-fuzz}

CC=clang CXX=clang++ cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target raketa_fuzz_load raketa_fuzz_seeds >/dev/null

seeds=$build/seeds
corpus=$build/corpus
crashes=$build/crashes
rm -rf "$seeds" "$crashes"
mkdir -p "$seeds" "$corpus" "$crashes"
"$build/raketa_fuzz_seeds" "$seeds"
for world in build*/gamedata/mistnosti.dat; do
  [ -f "$world" ] && cp "$world" "$seeds/shipped-${world%%/*}.dat"
done
for fixture in tests/fixtures/*.sav; do
  [ -f "$fixture" ] && cp "$fixture" "$seeds/"
done

# Paths are absolute: the target works in a scratch directory of its own.
status=0
"$build/raketa_fuzz_load" "$corpus" "$seeds" \
  -max_total_time="$seconds" -max_len=120000 -timeout=10 -rss_limit_mb=4096 \
  -artifact_prefix="$crashes/" -print_final_stats=1 || status=$?

found=0
for crash in "$crashes"/*; do
  [ -f "$crash" ] || continue
  name=tests/fixtures/fuzz-$(sha1sum "$crash" | cut -c1-12).sav
  cp "$crash" "$name"
  echo "fuzz.sh: $(basename "$crash") saved as $name"
  found=1
done
if [ "$found" = 1 ] && [ "$status" = 0 ]; then status=1; fi
exit "$status"
