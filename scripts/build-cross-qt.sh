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

# apt-get source needs deb-src entries for the suites the binaries come from.
# They go into an apt configuration of our own, beside the build, and never
# into the system's: a deb-src entry added there for a mirror whose deb entry
# carries Signed-By (or any option apt compares) makes apt refuse every
# command until it is taken out. Each entry takes the Signed-By of the deb
# entry it mirrors, so the sources are checked against the same keys.
work="$cache/qt-build"
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d"

# An earlier version of this script wrote its entry into the system's apt
# sources; one left behind there is taken out, so that apt works again.
old=/etc/apt/sources.list.d/starkindle-src.sources
if [ -e "$old" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo rm -f "$old"
    $sudo apt-get -q update >/dev/null || echo "apt-get update after removing $old failed" >&2
fi

release="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
# SITE SUITE FILE:ENTRY for each Debian main deb entry of this release.
suites="$(apt-get indextargets --format '$(SITE) $(RELEASE) $(SOURCESENTRY)' \
    'Created-By: Packages' 'Origin: Debian' 'Component: main' |
    awk -v r="$release" '$2 == r || index($2, r "-") == 1' | sort -u)"
[ -n "$release" ] && [ -n "$suites" ] || { echo "No Debian mirror for ${release:-this release} in apt's sources" >&2; exit 1; }

signed_by() { # FILE ENTRY: the Signed-By of that entry, if it names a file
    local file=$1 entry=$2
    case "$file" in
    *.sources) # deb822: ENTRY counts the stanzas from 1
        awk -v n="$entry" '
            BEGIN { stanza = 1; seen = 0 }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { if (seen) { stanza++; seen = 0 } next }
            { seen = 1 }
            stanza == n && tolower($1) == "signed-by:" { sub(/^[^:]*:[ \t]*/, ""); print; exit }
        ' "$file" ;;
    *) # one-line: ENTRY is the line; [signed-by=FILE,...] among its options
        sed -n "${entry}p" "$file" | sed -n 's/.*\[[^]]*signed-by=\([^] ]*\).*/\1/p' | cut -d, -f1 ;;
    esac
}
while read -r site suite entry; do
    key="$(signed_by "${entry%:*}" "${entry##*:}" 2>/dev/null || true)"
    printf '%s\n' 'Types: deb-src' "URIs: $site" "Suites: $suite" 'Components: main'
    # Only a keyring file is copied; an inline key or none leaves apt's own.
    [ -z "$key" ] || [ ! -f "$key" ] || printf 'Signed-By: %s\n' "$key"
    echo
done <<<"$suites" >"$work/apt/sources.list.d/qt-source.sources"

apt_private=(
    -o "Dir::Etc::SourceList=/dev/null"
    -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache"
    -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
    -o "APT::Sandbox::User=$(id -un)"
)
apt-get "${apt_private[@]}" update -q
cd "$work"
apt-get "${apt_private[@]}" source --download-only "$source=$version"
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
