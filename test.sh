#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (both database engines).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
BUILD=${BUILD_DIR:-build}
# Compiler cache shared between checkouts of the same tree.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 "$@"
