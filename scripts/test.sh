#!/usr/bin/env bash
# The whole test suite from a fresh clone: installs the dependencies, configures, builds (warnings
# are errors), builds the web element with emscripten and runs every test headless, the web
# element's in Chromium among them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXVEXO_WERROR=ON
cmake --build build
scripts/build-web.sh build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
