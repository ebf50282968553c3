#!/usr/bin/env bash
# Builds the Qt-free core (rules engine, records, board painter) and the xvexo tool with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs their tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DXVEXO_WERROR=ON \
      -DXVEXO_SANITIZE=ON -DXVEXO_CORE_ONLY=ON -DXVEXO_BENCH=OFF
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
