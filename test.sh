#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the fuzz targets for a bounded time, the
# unit tests under AddressSanitizer and UndefinedBehaviorSanitizer, and the tests of the normal
# build last. BROLT_QUICK=1 runs only the normal build's tests.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
jobs="$(nproc)"

if [ "${BROLT_QUICK:-0}" != "1" ]; then
  "$here/scripts/fuzz.sh" "${BROLT_FUZZ_SECONDS:-30}"
  BROLT_BUILD_DIR="$here/build-sanitize" "$here/scripts/build.sh" \
    -DBROLT_SANITIZE=ON -DBROLT_BUILD_BENCH=OFF -DBROLT_BUILD_CONTENT=OFF
  (cd "$here/build-sanitize" && ctest --output-on-failure --parallel "$jobs" --timeout 300)
fi

"$here/scripts/build.sh"
cd "$here/build"
ctest --output-on-failure --parallel "$jobs" --timeout 300
