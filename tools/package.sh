#!/usr/bin/env bash
# Installs what the build needs, builds Quendra and makes its Debian package,
# build/quendra_<version>_<arch>.deb; prints the package's path.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tools/packages.sh"
install_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build=${QUENDRA_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build"
cmake --build "$build" -j"$(nproc)" --target quendra quendra_package_docs
cd "$build"
cpack >&2
ls "$build"/quendra_*.deb
