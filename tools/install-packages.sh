#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tallyhop need.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev qt6-l10n-tools qt6-translations-l10n
  libx11-dev libxrandr-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  locales xdg-utils fonts-dejavu-core fonts-liberation2 fonts-urw-base35
  xvfb x11-xserver-utils xdotool imagemagick poppler-utils
  dbus-x11 at-spi2-core python3-pyatspi
  dpkg-dev lintian desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
