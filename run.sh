#!/usr/bin/env bash
# Installs what is missing, builds the program folder build/dist/ and starts the game on its default
# content; `./run.sh editor` starts the level editor instead.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program=brolt
if [ "${1:-}" = "editor" ]; then
  program=brolt-editor
  shift
fi
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
if [ -x "$here/build/dist/$program" ]; then
  exec "$here/build/dist/$program" "$@"
fi
echo "The build did not make $program; see the output above." >&2
exit 1
