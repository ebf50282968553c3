#!/usr/bin/env bash
# Builds the whole program (the core, the Qt layers, both tools and every test) with
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer and runs every test: the core's
# (the painter's and printing's included), the platform's, the widgets', the form's and the
# programs'. Leaks inside Qt's or the PNG library's own code are the only ones suppressed
# (scripts/lsan.supp); any other report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The "asan" preset of CMakePresets.json: build-asan/, Debug, the sanitizers; its tests run
# headless with the sanitizers' options (leaks detected, the first report aborts).
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j "$(nproc)"
