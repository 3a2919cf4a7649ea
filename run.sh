#!/usr/bin/env bash
# Sets everything up and starts the emulator.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh main
if [ -x build/src/shell/norvane ]; then
  exec build/src/shell/norvane "$@"
fi
exec build/src/cli/norvane-cli "$@"
