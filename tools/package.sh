#!/usr/bin/env bash
# Installs what the build needs, builds Quendra and makes its Debian package,
# build-package/quendra_<version>_<arch>.deb; prints the package's path.
# The package's own build folder has the tests switched off, so that only
# what the package ships is compiled.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tools/packages.sh"
install_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build=${QUENDRA_PACKAGE_BUILD_DIR:-$top/build-package}
cmake -S "$top" -B "$build" -DQUENDRA_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target quendra quendra_package_docs
cd "$build"
cpack >&2
ls "$build"/quendra_*.deb
