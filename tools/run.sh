#!/usr/bin/env bash
# Installs what the program needs, builds it and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tools/packages.sh"
install_packages "${BUILD_PACKAGES[@]}" cups-client
build=${QUENDRA_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" -DQUENDRA_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target quendra
exec "$build/src/app/quendra"
