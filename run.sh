#!/usr/bin/env bash
# Installs what is missing, builds the program folder build/dist/ and starts the game on its default content.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
if [ -x "$here/build/dist/brolt" ]; then
  exec "$here/build/dist/brolt" "$@"
fi
echo "The build did not make the game program; see the output above." >&2
exit 1
