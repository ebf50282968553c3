#!/usr/bin/env bash
# Installs what is needed, builds, and starts the viewer on the bundled sample record. Without a
# display it says so and writes a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target xvexoview
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot="$PWD/build/xvexoview-sample.png"
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then XDG_RUNTIME_DIR="$(mktemp -d)"; export XDG_RUNTIME_DIR; fi
  echo "run-viewer: no display (DISPLAY and WAYLAND_DISPLAY are unset); writing a screenshot instead"
  QT_QPA_PLATFORM=offscreen build/bin/xvexoview --screenshot "$shot" "$@"
  echo "run-viewer: screenshot written to $shot"
else
  exec build/bin/xvexoview "$@"
fi
