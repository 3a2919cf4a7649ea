#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages Norvane
# needs (only those missing, so a second run is quick), then configures and
# builds. "setup.sh main" builds the program; "setup.sh web" adds the web
# edition (build-web, with emscripten, and the browser tests' puppeteer-core);
# "setup.sh all" adds both the web edition and the sanitizer build of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-main}

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev libjpeg-dev
  fonts-liberation clang libclang-rt-14-dev cppcheck
  qt6-svg-dev help2man dpkg-dev file lintian desktop-file-utils appstream
  libxml2-utils shared-mime-info libglib2.0-bin
)
if [ "$mode" != main ]; then
  packages+=(emscripten nodejs chromium)
  # Debian's nodejs comes without npm; some others carry their own.
  command -v npm >/dev/null || packages+=(npm)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(( $(nproc) + 1 ))
build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "$mode" = all ]; then
  build build-asan -DCMAKE_BUILD_TYPE=Debug -DNORVANE_SANITIZE=ON \
    -DNORVANE_BUILD_BENCH=OFF -DNORVANE_BUILD_SHELL=OFF
fi
if [ "$mode" != main ]; then
  # Emscripten's tools need Debian's Node modules, whichever node runs them.
  NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B build-web -G Ninja -DNORVANE_WEB=ON \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  NODE_PATH=/usr/share/nodejs cmake --build build-web -j "$jobs"
  # From the lock file; it drives the system's Chromium and downloads no browser.
  if [ tests/browser/package-lock.json -nt tests/browser/node_modules ]; then
    (cd tests/browser && npm ci --no-audit --no-fund)
  fi
fi
