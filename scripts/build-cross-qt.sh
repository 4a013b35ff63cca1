#!/usr/bin/env bash
# Builds Qt base for 64-bit Windows from Debian's own qt6-base source, the
# same version as the host's qt6-base-dev, and installs it into a cache
# folder outside the tree. A stamp file records the version: a present and
# matching build is reused, anything else is built again.
# Prints the install prefix on its last line, and only that on stdout: the
# build's own output goes to stderr, so it is seen while the prefix is
# captured.
set -euo pipefail
exec 3>&1 1>&2
root="$(cd "$(dirname "$0")/.." && pwd)"

# The source the host's qt6-base-dev was built from (a rebuilt binary's
# version carries a +bN the source lacks).
source="$(dpkg-query -W -f='${source:Package}' qt6-base-dev)"
version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev)"
upstream="${version%%-*}"; upstream="${upstream#*:}"; upstream="${upstream%%+*}"
cache="${STARKINDLE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/starkindle}"
prefix="$cache/qt-$upstream-mingw-w64"
stamp="$prefix/.starkindle-qt-version"
jobs="${JOBS:-$(nproc 2>/dev/null || echo 2)}"

# Two builds into one cache would delete each other's work: the second waits
# for the first and then finds its result.
mkdir -p "$cache"
exec 9>"$cache/qt-build.lock"
if ! flock -n 9; then
    echo "Waiting for another build of the cross Qt in $cache"
    flock 9
fi

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ] && [ -f "$prefix/bin/Qt6Core.dll" ]; then
    echo "Cross Qt $version found in $prefix"
    echo "$prefix" >&3
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# apt-get source needs a deb-src entry for the suites the binaries come from:
# the running release's, from the mirrors apt already uses for it. One added
# here (or left by an earlier version of this script) is taken out again
# once the source is fetched, with its indexes.
srclist=/etc/apt/sources.list.d/starkindle-src.sources
added_src=""
drop_src() {
    [ -n "$added_src" ] || return 0
    added_src=""
    $sudo rm -f "$srclist"
    $sudo apt-get -q update >/dev/null || echo "apt-get update after removing $srclist failed" >&2
}
trap drop_src EXIT
[ ! -e "$srclist" ] || added_src=1
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    release="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
    suites="$(apt-get indextargets --format '$(SITE) $(RELEASE)' 'Created-By: Packages' 'Origin: Debian' 'Component: main' |
        awk -v r="$release" '$2 == r || index($2, r "-") == 1' | sort -u)"
    [ -n "$release" ] && [ -n "$suites" ] || { echo "No Debian mirror for ${release:-this release} in apt's sources" >&2; exit 1; }
    added_src=1
    while read -r site suite; do
        printf '%s\n' 'Types: deb-src' "URIs: $site" "Suites: $suite" 'Components: main' ''
    done <<<"$suites" | $sudo tee "$srclist" >/dev/null
    $sudo apt-get update -q
fi

work="$cache/qt-build"
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
apt-get source --download-only "$source=$version"
drop_src
dpkg-source --no-check -x ./*.dsc src >/dev/null
mkdir build
cd build

started=$(date +%s)
# Only what the application uses: widgets, gui, core, with bundled image and
# font libraries so the zip needs nothing from the system. Debian's source
# lacks wintab.h (no tablet events), and 6.4 fails to link the windows
# plugin with DirectWrite 3.
../src/configure -prefix "$prefix" \
    -platform linux-g++ -xplatform win32-g++ -release -shared \
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent \
    -no-feature-printsupport -no-feature-vulkan -no-feature-direct2d \
    -no-feature-tabletevent -no-feature-directwrite3 \
    -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
    -qt-host-path /usr -- \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
cmake --build . --parallel "$jobs"
cmake --install .
echo "$version" > "$stamp"
echo "Cross Qt built in $(( $(date +%s) - started )) s"
cd "$cache"
rm -rf "$work"
echo "$prefix" >&3
