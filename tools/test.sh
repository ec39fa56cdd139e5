#!/usr/bin/env bash
# Installs what the build and the tests need, builds everything and runs
# every test. The whole-program tests start their own X server and
# printing service and stop them afterwards.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tools/packages.sh"
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build=${QUENDRA_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" -DQUENDRA_BUILD_TESTS=ON
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
