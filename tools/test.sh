#!/usr/bin/env bash
# Installs what the build and the tests need, builds everything and runs
# every test. The whole-program tests start their own X server and
# printing service and stop them afterwards.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tools/packages.sh"
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build=${QUENDRA_BUILD_DIR:-$top/build}
# The fuzz targets need clang's libFuzzer and sanitizers: they get a build
# folder of their own, and the main build's tests run them from there.
fuzz=${QUENDRA_FUZZ_BUILD_DIR:-$top/build-fuzz}
CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz" -DQUENDRA_BUILD_TESTS=OFF -DQUENDRA_BUILD_FUZZ=ON
cmake --build "$fuzz" --target fuzz_all -j"$(nproc)"
cmake -S "$top" -B "$build" -DQUENDRA_BUILD_TESTS=ON -DQUENDRA_FUZZ_DIR="$fuzz"
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
