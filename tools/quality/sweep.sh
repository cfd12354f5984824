#!/usr/bin/env bash
# tools/quality/sweep.sh: the byte sweep (tests/reliability_sweep_test.cpp,
# 56,512 offsets x 3 values, each file quick-loaded and played on) under
# AddressSanitizer and UndefinedBehaviorSanitizer, built in build-q-asan/ (or
# $RAKETA_SWEEP_BUILD_DIR), its eight shards two at a time, timed.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${RAKETA_SWEEP_BUILD_DIR:-build-q-asan}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DRAKETA_SANITIZE=ON -DRAKETA_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target raketa_tests >/dev/null
cd "$build"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
time ctest -R 'ReliabilitySweep' -j2 --output-on-failure
