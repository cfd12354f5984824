#!/usr/bin/env bash
# Sets up (with what testing needs), builds with warnings as errors and runs
# every test through ctest; then builds the web page and its node build,
# runs every replay through node against the native program and plays the
# page in headless Chromium (tools/web.sh test); then builds the Debian
# package and checks it, the desktop entry, the metainfo and the man page;
# then the fuzzer on the loader for three minutes, and the whole suite once
# more under AddressSanitizer and UndefinedBehaviorSanitizer, and the live
# voice's thread under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --tests
(cd build && ctest --output-on-failure -j"$(nproc)" -LE node)
if [ "${RAKETA_SKIP_WEB:-0}" != 1 ]; then
  tools/web.sh test
fi
if [ "${RAKETA_SKIP_PACKAGE:-0}" != 1 ]; then
  tools/quality/package.sh
fi
if [ "${RAKETA_SKIP_FUZZ:-0}" != 1 ]; then
  tools/quality/fuzz.sh "${RAKETA_FUZZ_SECONDS:-180}"
fi
if [ "${RAKETA_SKIP_SANITIZERS:-0}" != 1 ]; then
  RAKETA_BUILD_DIR=build-asan RAKETA_BUILD_TYPE=Debug \
    RAKETA_CMAKE_ARGS="-DRAKETA_SANITIZE=ON -DRAKETA_BENCH=OFF -DRAKETA_WERROR=ON" tools/setup.sh --tests
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j"$(nproc)")
fi
if [ "${RAKETA_SKIP_SANITIZERS:-0}" != 1 ]; then
  tools/quality/tsan_speech.sh
fi
