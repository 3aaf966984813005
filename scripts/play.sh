#!/usr/bin/env bash
# Starts the game from the release build. Until the game program exists, it reports
# what the build produced.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release
if [ -x "$build/src/app/quibnar2" ]; then
  exec "$build/src/app/quibnar2" "$@"
fi
echo "The game program is not built yet. The release build produced:"
find "$build" -maxdepth 3 -type f \( -name '*.a' -o -name '*.VexPak' -o -perm -u+x \) ! -name '*.so*' ! -path '*/CMakeFiles/*' \
  | sort | sed 's|^|  |'
