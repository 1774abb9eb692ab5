#!/usr/bin/env bash
# Builds when needed and starts the program; the first start creates a ready database.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
BUILD=${BUILD_DIR:-build}
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" --parallel "$(nproc)" --target mqsale >/dev/null
exec "$BUILD/bin/mqsale" "$@"
