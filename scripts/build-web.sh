#!/usr/bin/env bash
# Builds the web element: the board pictures and the form's pictures packed into sheets by the
# native build, the WebAssembly module and its loader with emscripten (BUILD/web, one job at a
# time) with the character-set detector compiled in from Debian's source of uchardet (fetched
# once into BUILD/deps and checked against its pinned digest), and the drawing-call driver for
# node; then puts what a page loads in web/dist/, where the element and the npm package find it.
# Warnings are errors, as in the native build.
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

# The source of Debian's libuchardet0 0.0.7-1 (the orig tarball; the package applies no patch).
uchardet_url=http://deb.debian.org/debian/pool/main/u/uchardet/uchardet_0.0.7.orig.tar.xz
uchardet_sha256=3fc79408ae1d84b406922fa9319ce005631c95ca0f34b205fad867e8b30e45b1
deps=$(cd "$build" && pwd)/deps
uchardet_source=$deps/uchardet-0.0.7
if [ ! -f "$uchardet_source/src/uchardet.h" ]; then
    mkdir -p "$deps"
    tarball=$deps/uchardet_0.0.7.orig.tar.xz
    if ! echo "$uchardet_sha256  $tarball" | sha256sum --check --status 2>/dev/null; then
        echo "build-web: fetching $uchardet_url"
        curl --fail --silent --show-error --location --retry 3 -o "$tarball.part" "$uchardet_url"
        mv "$tarball.part" "$tarball"
    fi
    if ! echo "$uchardet_sha256  $tarball" | sha256sum --check --status; then
        echo "build-web: $tarball does not have the pinned digest; remove it and try again" >&2
        exit 1
    fi
    tar -xJf "$tarball" -C "$deps"
fi

if ! grep -qsxF "XVEXO_UCHARDET_SOURCE:PATH=$uchardet_source" "$build/web/CMakeCache.txt"; then
    emcmake cmake -S . -B "$build/web" -G Ninja -DXVEXO_WEB=ON -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DXVEXO_WERROR=ON -DXVEXO_UCHARDET_SOURCE="$uchardet_source" "${launchers[@]}" >/dev/null
fi
cmake --build "$build/web" -j1 --target xvexo_core_web xvexo_web_draw_calls

mkdir -p web/dist
cp "$build/web/bin/xvexo-core.mjs" "$build/web/bin/xvexo-core.wasm" \
    "$build/resources/web/board-pictures.png" "$build/resources/web/board-pictures.json" \
    "$build/resources/web/form-pictures.png" "$build/resources/web/form-pictures.json" \
    "$build/resources/ui/generated/EPBITMAP1.png" "$build/resources/ui/generated/EPBITMAP2.png" \
    "$build/resources/ui/generated/TOC.wav" web/dist/
echo "build-web: web/dist/ holds the module, its loader, the pictures and the click"
