#!/usr/bin/env bash
# The whole test suite from a fresh clone: installs the dependencies, configures, builds (warnings
# are errors), builds the web element with emscripten and runs every test headless, the web
# element's in Chromium among them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The "default" preset of CMakePresets.json: build/, RelWithDebInfo, warnings as errors; its tests
# run headless and show the output of a failure.
cmake --preset default
cmake --build --preset default
scripts/build-web.sh build
ctest --preset default -j "$(nproc)"
