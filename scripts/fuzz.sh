#!/usr/bin/env bash
# Builds the fuzz targets with clang (address and undefined-behaviour
# sanitizers, libFuzzer coverage) in build-fuzz and runs each one on its seed
# corpus for a bounded time; fails on the first crash, leak or broken
# invariant. FUZZ_SECONDS sets the time per target (default 10), FUZZ_JOBS
# the build's parallel jobs (default: one per core).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-10}
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DNORVANE_FUZZ=ON -DNORVANE_BUILD_SHELL=OFF -DNORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "${FUZZ_JOBS:-$(nproc)}" --target fuzz_all

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for seeds in tests/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  # New inputs go to a scratch folder; the committed seeds stay as they are.
  mkdir -p "$work/$name"
  echo "fuzz_$name: ${seconds}s"
  build-fuzz/tests/fuzz/fuzz_"$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=0 -artifact_prefix="$work/" "$work/$name" "$seeds" 2>"$work/$name.log" || {
    tail -n 60 "$work/$name.log"
    mkdir -p build-fuzz/crashes && cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* build-fuzz/crashes/ 2>/dev/null || true
    echo "fuzz_$name failed; the input is in build-fuzz/crashes/"
    exit 1
  }
  grep -E '^#[0-9]+ *DONE' "$work/$name.log" || tail -n 1 "$work/$name.log"
done
