#!/usr/bin/env bash
# Installs the Debian packages one make target needs, and only those that are
# missing. Usage: install-deps.sh [--list] [GROUP]
#   run      building and running the application (make run)
#   test     that, the Linux tests and the packaging tools (make test; the
#            suite builds and checks the Debian package); the default
#   package  building and running, and the packaging tools (make package)
#   windows  the Windows cross build, its tests under Wine and the zip
#            (make windows, test-windows, package-windows); also --windows
# --list prints the group's packages as this release names them, one a line,
# and installs nothing: what to ask an administrator for.
set -euo pipefail

# One list per group, one package or a few related ones a line. "a|b" is the
# first of a and b that this release offers; CLANG stands for the major
# version of the release's default clang.
run_packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # the font configuration, read ahead at start-up
    libfontconfig-dev
    # the translations: lupdate and lrelease, their CMake commands, and the
    # part of Qt's own translations the program compiles in
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-dejavu-core
    # make run without a display: a virtual one and a picture of the window
    xvfb xauth x11-utils imagemagick
)
test_packages=(
    xdotool xclip dbus python3 python3-pyatspi at-spi2-core
    orca speech-dispatcher speech-dispatcher-audio-plugins libasound2 openbox
    libbenchmark-dev libxcb1-dev libxcb-xtest0-dev
    desktop-file-utils appstream dpkg-dev file librsvg2-bin
    clang "libclang-rt-dev|libclang-rt-CLANG-dev" locales tzdata
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
    # the host's translation tools and Qt translations, for the Windows build
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth x11-utils xdotool xclip imagemagick zip unzip
    # the setup: makensis; its check reads the program type and lists processes
    nsis file procps
    fonts-dejavu-core openbox
)

list=""
[ "${1:-}" != --list ] || { list=1; shift; }
case "${1:-test}" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}" "${package_packages[@]}") ;;
package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
windows | --windows) packages=("${windows_packages[@]}") ;;
*) echo "usage: $0 [--list] [run|test|package|windows]" >&2; exit 2 ;;
esac

# What is installed, with the names each installed package provides: apt
# takes those as the package (trixie's libasound2t64 is libasound2).
installed=" $(dpkg-query -W -f='${db:Status-Abbrev}|${Package}|${Provides}\n' 2>/dev/null | awk -F'|' '
    $1 ~ /^ii/ { print $2; n = split($3, p, ", "); for (i = 1; i <= n; i++) { sub(/ .*/, "", p[i]); print p[i] } }' |
    tr '\n' ' ')"
candidates() { # NAME...: those apt has an installation candidate for
    LC_ALL=C apt-cache policy "$@" 2>/dev/null |
        awk '/^[^ ]/ { name = $1; sub(/:$/, "", name) } $1 == "Candidate:" && $2 != "(none)" { print name }'
}
clang_major() {
    local version=""
    [[ $installed != *" clang "* ]] || version=$(dpkg-query -W -f='${Version}' clang)
    [ -n "$version" ] || version=$(LC_ALL=C apt-cache policy clang 2>/dev/null | awk '$1 == "Candidate:" { print $2 }')
    version=${version#*:}
    echo "${version%%[.~+-]*}"
}
names() { # ENTRY: its names, one a line
    local entry=$1
    [[ $entry != *CLANG* ]] || entry=${entry//CLANG/$(clang_major)}
    tr '|' '\n' <<<"$entry"
}
satisfied() { # ENTRY: one of its names is installed or provided
    local name
    for name in $(names "$1"); do [[ $installed == *" $name "* ]] && return 0; done
    return 1
}
pick() { # ENTRY...: for each, the first name this release offers, else the first (a virtual one)
    local entry name offered
    # shellcheck disable=SC2046 # names have no blanks
    offered=" $(candidates $(for entry in "$@"; do names "$entry"; done) | tr '\n' ' ')"
    for entry in "$@"; do
        for name in $(names "$entry") "$(names "$entry" | head -n 1)"; do
            [[ $offered != *" $name "* ]] || break
        done
        echo "$name"
    done
}
if [ -n "$list" ]; then
    pick "${packages[@]}" | sort -u
    exit 0
fi

missing=()
for entry in "${packages[@]}"; do
    satisfied "$entry" || [[ " ${missing[*]} " == *" $entry "* ]] || missing+=("$entry")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    # A user sudo would refuse learns what to ask for instead of a refusal.
    if command -v sudo >/dev/null && { id -nG | grep -qw -e sudo -e admin || sudo -n true 2>/dev/null; }; then
        sudo="sudo"
    else
        echo "install-deps: installing packages needs root, and you are not in the sudo group. Ask an administrator to run" >&2
        echo "  apt-get install --no-install-recommends $(pick "${missing[@]}" | paste -sd ' ')" >&2
        echo "or to install the whole list that scripts/install-deps.sh --list ${1:-test} prints." >&2
        exit 1
    fi
fi
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
# Names are chosen once the package lists are fresh.
mapfile -t install < <(pick "${missing[@]}")
echo "Installing: ${install[*]}"
$sudo apt-get -o DPkg::Lock::Timeout=$wait_s install -y -q --no-install-recommends "${install[@]}"
