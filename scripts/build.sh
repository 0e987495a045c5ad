#!/usr/bin/env bash
# Configures and builds into build/ (or $BROLT_BUILD_DIR); extra arguments go to cmake.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
dir="${BROLT_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
