#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour sanitizers) and runs
# each for a bounded time, starting from its seed corpus. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh
if [ ! -f fuzz/CMakeLists.txt ]; then
  echo "fuzz: no targets"
  exit 0
fi
# The "fuzz" preset of CMakePresets.json: build-fuzz/, clang, the core alone with the targets.
cmake --preset fuzz
cmake --build --preset fuzz
shopt -s nullglob
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=fuzz/corpus/${name#fuzz_}
  echo "fuzz: $name for ${seconds}s"
  # -close_fd_mask=2: what a target prints (xvexo's error lines) is dropped; libFuzzer's own
  # lines and the sanitizers' reports still arrive.
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -close_fd_mask=2 \
            "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 12
  # libFuzzer exits non-zero on a crash; pipefail carries it out.
done
