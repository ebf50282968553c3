#!/usr/bin/env bash
# Builds the web element (scripts/build-web.sh: the native pictures and the WebAssembly module)
# and serves the checkout on 127.0.0.1, printing the demo's address; Ctrl+C stops it.
#
# Usage: scripts/serve-web.sh [PORT]     (default: a free port)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh build
node web/tools/static-server.mjs . "${1:-0}" | while IFS= read -r base; do
    echo "serve-web: the demo is at ${base}web/demo/ (Ctrl+C stops the server)"
done
