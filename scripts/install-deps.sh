#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need,
# and only when something is missing. With --windows: what the Windows cross
# build, its tests under Wine and the zip need instead.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-dejavu-core
    xvfb xauth x11-utils imagemagick
    xdotool xclip openbox dbus python3 python3-pyatspi at-spi2-core
    libbenchmark-dev libxcb1-dev libxcb-xtest0-dev
    desktop-file-utils appstream dpkg-dev file librsvg2-bin
    g++-mingw-w64-x86-64
    clang-14 libclang-rt-14-dev locales tzdata
)
if [ "${1:-}" = "--windows" ]; then
    # dpkg-dev unpacks Qt's source package; Qt's own build runs on ninja.
    packages=(
        build-essential cmake ninja-build perl python3 dpkg-dev
        qt6-base-dev qt6-base-dev-tools
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine wine64 xvfb xauth x11-utils xdotool xclip imagemagick zip unzip
    )
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
