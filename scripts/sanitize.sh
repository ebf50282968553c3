#!/usr/bin/env bash
# Builds the whole program (the core, the Qt layers, both tools and every test) with
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer and runs every test: the core's
# (the painter's and printing's included), the platform's, the widgets', the form's and the
# programs'. Leaks inside Qt's or the PNG library's own code are the only ones suppressed
# (scripts/lsan.supp); any other report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DXVEXO_WERROR=ON \
      -DXVEXO_SANITIZE=ON -DXVEXO_BENCH=OFF
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
