#!/usr/bin/env bash
# Sets everything up and runs every test: the sanitizer build first, then the
# fuzz targets for a few seconds each, the Debian package, the web edition
# under Node, then the normal build, whose CTest summary ends the output.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh all
scripts/static-analysis.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
ctest --test-dir build-asan --output-on-failure -j "$jobs"
scripts/fuzz.sh
scripts/package-test.sh build
ctest --test-dir build-web --output-on-failure -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
