#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the fuzzers and the benchmarks need, and the
# node packages of the web element's browser tests (web/package-lock.json, with npm ci).
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config git curl xz-utils
  clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  qt6-qpa-plugins libgl-dev
  libcurl4-openssl-dev libssl-dev libuchardet-dev
  fonts-noto-cjk fonts-nanum fonts-liberation fontconfig
  xvfb xauth poppler-utils
  cups-daemon cups-client
  emscripten chromium
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser tests' packages, as locked; again only when the lock file changed since.
stamp=web/node_modules/.xvexo-installed-lock
if ! cmp -s web/package-lock.json "$stamp" 2>/dev/null; then
  echo "install-deps: installing the web element's node packages"
  (cd web && npm ci --no-audit --no-fund --loglevel=error)
  cp web/package-lock.json "$stamp"
fi
