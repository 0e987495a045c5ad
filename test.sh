#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
cd "$here/build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
