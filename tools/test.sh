#!/usr/bin/env bash
# Builds Velquorran and runs every test.
#   tools/test.sh              the normal build, in build/
#   tools/test.sh --sanitize   the same suite built with AddressSanitizer and
#                              UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

build_dir=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-sanitize
    options=(-DVELQUORRAN_SANITIZE=ON -DVELQUORRAN_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
