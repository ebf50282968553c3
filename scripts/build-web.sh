#!/usr/bin/env bash
# Builds the web element: the board pictures packed into one sheet by the native build, the
# WebAssembly module and its loader with emscripten (BUILD/web, one job at a time), and the
# drawing-call driver for node; then puts what a page loads in web/dist/, where the element and
# the npm package find it. Warnings are errors, as in the native build.
#
# Usage: scripts/build-web.sh [BUILD]     (BUILD: the native build folder, default "build")
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# emscripten's tools find Debian's acorn there when node is not Debian's own.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
launchers=()
if command -v ccache >/dev/null; then
    launchers=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXVEXO_WERROR=ON \
        "${launchers[@]}"
fi
cmake --build "$build" --target xvexo_web_pictures

if [ ! -f "$build/web/CMakeCache.txt" ]; then
    emcmake cmake -S . -B "$build/web" -G Ninja -DXVEXO_WEB=ON -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DXVEXO_WERROR=ON "${launchers[@]}" >/dev/null
fi
cmake --build "$build/web" -j1 --target xvexo_core_web xvexo_web_draw_calls

mkdir -p web/dist
cp "$build/web/bin/xvexo-core.mjs" "$build/web/bin/xvexo-core.wasm" \
    "$build/resources/web/board-pictures.png" "$build/resources/web/board-pictures.json" web/dist/
echo "build-web: web/dist/ holds the module, its loader and the board pictures"
