# Debian 12 packages, sourced by run.sh and test.sh.
# shellcheck shell=bash
BUILD_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 qt6-pdf-dev libqt6sql6-sqlite
  qt6-translations-l10n fonts-liberation
)
# What dpkg-shlibdeps needs to compute the .deb's dependencies.
PACKAGE_PACKAGES=(dpkg-dev file)
TEST_PACKAGES=(
  "${PACKAGE_PACKAGES[@]}" desktop-file-utils appstream lintian python3
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  xvfb xdotool xclip x11-utils imagemagick libx11-dev
  libicu-dev libbenchmark-dev sqlite3
  clang libclang-rt-14-dev
  python3-pyatspi at-spi2-core dbus-x11
)

# Installs what is missing; uses sudo when not root.
install_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
