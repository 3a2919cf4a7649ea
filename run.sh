#!/usr/bin/env bash
# Sets everything up and starts the emulator (or, with "web", serves the web edition).
set -euo pipefail
cd "$(dirname "$0")"
# "./run.sh web": the web edition, built and served on this machine only.
if [ "${1:-}" = web ]; then
  scripts/setup.sh web
  echo "Norvane's web edition: http://127.0.0.1:8059/ (Ctrl+C stops the server)"
  exec python3 -m http.server --bind 127.0.0.1 8059 --directory build-web/site
fi
scripts/setup.sh main
if [ -x build/src/shell/norvane ]; then
  exec build/src/shell/norvane "$@"
fi
exec build/src/cli/norvane-cli "$@"
