#!/usr/bin/env bash
# Runs the drawing-call driver natively and as WebAssembly under node and compares the two
# outputs byte for byte; on a difference, shows where they part.
#
# Usage: compare_draw_calls.sh NATIVE_DRIVER WASM_DRIVER.js SOURCE_DIR
set -euo pipefail
native=$1
wasm=$2
source=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$native" "$source" >"$out/native.txt"
# Under node 18 and later the loader would fetch its .wasm by address; without fetch it reads the
# file.
node --no-experimental-fetch "$wasm" "$source" >"$out/wasm.txt"
if cmp -s "$out/native.txt" "$out/wasm.txt"; then
    echo "drawing calls: $(wc -l <"$out/native.txt") lines, the same in both builds"
    exit 0
fi
echo "drawing calls differ (< native, > WebAssembly):"
diff "$out/native.txt" "$out/wasm.txt" | head -40
exit 1
