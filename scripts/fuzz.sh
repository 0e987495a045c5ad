#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time on its seed corpus.
# Fails when a target finds a crash or an input that runs over 10 seconds. Seconds per target: $1 (default 60).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
dir="$here/build-fuzz"
CC=clang CXX=clang++ BROLT_BUILD_DIR="$dir" "$here/scripts/build.sh" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBROLT_BUILD_FUZZ=ON -DBROLT_BUILD_TESTS=OFF -DBROLT_BUILD_BENCH=OFF \
  -DBROLT_BUILD_GAME=OFF -DBROLT_BUILD_CONTENT=OFF
# Each target with the seed corpus it starts from, all at once: one core each.
pids=()
for pair in collection:collection pack:pack level_load:level manage_collection:collection load_dialog:collection; do
  target="${pair%%:*}"
  (
    corpus="$(mktemp -d)"
    cp -r "$here/fuzz/corpus/${pair#*:}/." "$corpus/"
    status=0
    "$dir/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=40000 -timeout=10 -print_final_stats=0 \
      -artifact_prefix="$dir/crash-$target-" "$corpus" >"$dir/fuzz-$target.log" 2>&1 || status=$?
    rm -rf "$corpus"
    echo "fuzzed $target for ${seconds}s: $(tail -n 1 "$dir/fuzz-$target.log")"
    [ "$status" -eq 0 ] || { tail -n 40 "$dir/fuzz-$target.log"; exit "$status"; }
  ) &
  pids+=("$!")
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit "$failed"
