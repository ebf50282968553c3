#!/usr/bin/env bash
# The whole test suite from a fresh clone: installs the dependencies, configures, builds (warnings
# are errors) and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The "default" preset of CMakePresets.json: build/, RelWithDebInfo, warnings as errors; its tests
# run headless and show the output of a failure.
cmake --preset default
cmake --build --preset default
ctest --preset default -j "$(nproc)"
