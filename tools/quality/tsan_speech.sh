#!/usr/bin/env bash
# The live voice's thread under ThreadSanitizer: a small build of just its
# test (fake voice, fake output) with clang, run once.  Quick: two files.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${RAKETA_TSAN_DIR:-build-tsan}
mkdir -p "$out"
clang++ -std=c++20 -O1 -g -fsanitize=thread -I. -Itests \
  presentation/live/live_speech.cpp tests/live/live_speech_test.cpp \
  -lgtest -lgtest_main -pthread -o "$out/live_speech_tsan"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" "$out/live_speech_tsan"
