#!/usr/bin/env bash
# Installs the Debian packages one make target needs, and only those that are
# missing. Usage: install-deps.sh [GROUP]
#   run      building and running the application (make run)
#   test     that, the Linux tests and the packaging tools (make test; the
#            suite builds and checks the Debian package); the default
#   package  building and running, and the packaging tools (make package)
#   windows  the Windows cross build, its tests under Wine and the zip
#            (make windows, test-windows, package-windows); also --windows
set -euo pipefail

# One list per group, one package or a few related ones a line.
run_packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-dejavu-core
    # make run without a display: a virtual one and a picture of the window
    xvfb xauth x11-utils imagemagick
)
test_packages=(
    xdotool xclip dbus python3 python3-pyatspi at-spi2-core
    orca speech-dispatcher speech-dispatcher-audio-plugins libasound2 openbox
    libbenchmark-dev libxcb1-dev libxcb-xtest0-dev
    desktop-file-utils appstream dpkg-dev file librsvg2-bin
    g++-mingw-w64-x86-64
    clang-14 libclang-rt-14-dev locales tzdata
    liberfa-dev libgsl-dev
)
package_packages=(
    dpkg-dev debhelper lintian devscripts debootstrap
)
# dpkg-dev unpacks Qt's source package; Qt's own build runs on ninja; the
# tests under Wine read the DejaVu fonts.
windows_packages=(
    build-essential cmake ninja-build perl python3 dpkg-dev
    qt6-base-dev qt6-base-dev-tools
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth x11-utils xdotool xclip imagemagick zip unzip
    # the setup: makensis; its check reads the program type and lists processes
    nsis file procps
    fonts-dejavu-core openbox
)

case "${1:-test}" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}" "${package_packages[@]}") ;;
package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
windows | --windows) packages=("${windows_packages[@]}") ;;
*) echo "usage: $0 [run|test|package|windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# A freshly booted machine is often running its daily apt jobs. The install
# waits for dpkg's lock itself; `apt-get update` gives up at once when the
# package lists are locked, so it is tried again for as long.
wait_s=600
update_log=$(mktemp)
trap 'rm -f "$update_log"' EXIT
for ((waited = 0; ; waited += 5)); do
    status=0
    $sudo apt-get -q update 2>"$update_log" || status=$?
    cat "$update_log" >&2
    [ $status -ne 0 ] || break
    grep -q 'Could not get lock' "$update_log" && [ $waited -lt $wait_s ] || exit 1
    echo "install-deps: apt is busy, trying again in 5 s" >&2
    sleep 5
done
$sudo apt-get -o DPkg::Lock::Timeout=$wait_s install -y -q --no-install-recommends "${missing[@]}"
