#!/usr/bin/env bash
# Builds the Debian package twice, in two folders (same bytes?), runs lintian
# and hardening-check, checks what it holds and starts it on a virtual X
# display until its main window is on screen. The first build stays for the
# chroot check, in BUILD_DIR/package-check/one-debs.
# Usage: check-deb.sh SOURCE_DIR BUILD_DIR APP_ID VERSION
set -euo pipefail

# Inside the virtual display (the script calls itself through xvfb-run).
if [ "${1:-}" = --inside-x ]; then
    app=$2 title=$3 started=$4
    # A display that cannot be reached is the harness's problem, not the
    # package's: say so with 75 and let the caller try another display.
    for _ in $(seq 1 50); do
        xwininfo -root >/dev/null 2>&1 && break
        sleep 0.1
    done
    xwininfo -root >/dev/null 2>&1 || { echo "cannot reach display $DISPLAY"; exit 75; }
    : >"$started"
    "$app" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
    win=""
    for _ in $(seq 1 300); do
        for id in $(xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\"" 'index($0, t) {print $1}'); do
            if [[ $(xwininfo -id "$id" 2>/dev/null) == *"Map State: IsViewable"* ]]; then
                win=$id
                break 2
            fi
        done
        kill -0 "$pid" 2>/dev/null || { echo "FAIL: the packaged application ended before its window appeared"; exit 1; }
        sleep 0.1
    done
    [ -n "$win" ] || { echo "FAIL: no window titled \"$title\" was mapped within 30 s"; exit 1; }
    echo "ok: window $win \"$title\" is mapped"
    # The window carries the application icon for the taskbar.
    # Read whole first: grep -q would stop reading early, and xprop's
    # resulting SIGPIPE would fail the pipeline.
    # The icon comes just after the window is on screen.
    icons=""
    for _ in $(seq 1 100); do
        icons=$(xprop -id "$win" _NET_WM_ICON)
        [[ $icons == *"Icon (64 x 64)"* ]] && break
        sleep 0.1
    done
    [[ $icons == *"Icon (64 x 64)"* ]] || { echo "FAIL: the main window has no 64x64 icon"; exit 1; }
    echo "ok: the main window carries the application icon"
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the application ended on its own"; exit 1; }
    exit 0
fi

src=$1 build=$2 app_id=$3 version=$4
for tool in dpkg-buildpackage dh lintian hardening-check dpkg-deb objdump xvfb-run xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps.sh package): skipped"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
checks=$build/package-check arch=$(dpkg --print-architecture)
# Two folders of different names and depths: a build path in the package shows.
for dir in one second/build; do
    "$src/scripts/build-deb.sh" "$src" "$checks/$dir" "$checks/${dir%%/*}-debs" >/dev/null || { echo "FAIL: build in $dir"; exit 1; }
    echo "built in $dir after $SECONDS s"
done
for name in "starkindle_${version}_$arch.deb" "starkindle-dbgsym_${version}_$arch.deb"; do
    sums=$(cd "$checks" && sha256sum {one,second}-debs/"$name")
    echo "$sums"
    [ "$(cut -d' ' -f1 <<<"$sums" | uniq | wc -l)" -eq 1 ] || { echo "FAIL: $name differs between the builds"; exit 1; }
done
deb=$checks/one-debs/starkindle_${version}_$arch.deb

# Errors and warnings fail; other tags are shown. The .changes names both
# packages and the build information.
rc=0
lintian -I -E --pedantic --tag-display-limit 0 "$checks/one/starkindle_${version}_$arch.changes" >"$work/lintian" 2>&1 || rc=$?
cat "$work/lintian"
for severity in E W I P X; do echo -n "$severity: $(grep -c "^$severity: " "$work/lintian")  "; done
[ $rc -le 1 ] && ! grep -q '^[EW]: ' "$work/lintian" || { echo "FAIL: lintian (status $rc)"; exit 1; }
dpkg-deb -x "$deb" "$work/root"
# Newer hardening-check versions also look for other architectures' notes
# (arm64's branch protection, x86's control-flow protection): those this
# architecture has no such note for are not asked for.
not_here=()
cpu=$(dpkg-architecture -qDEB_HOST_ARCH_CPU)
hardening_options=$(hardening-check --help 2>&1 || true) # --help ends with status 1
[ "$cpu" = arm64 ] || [[ $hardening_options != *--nobranchprotection* ]] || not_here+=(--nobranchprotection)
[[ $cpu == amd64 || $cpu == i386 ]] || not_here+=(--nocfprotection)
hardening-check "${not_here[@]}" "$work/root/usr/bin/starkindle" || { echo "FAIL: hardening-check"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = starkindle ] || { echo "FAIL: Package is $(field Package)"; exit 1; }
[ "$(field Version)" = "$version" ] || { echo "FAIL: Version is $(field Version)"; exit 1; }
# Read off the binary by dpkg-shlibdeps; without them the package would
# install on a machine that cannot run it. Each library the binary needs is
# looked up in the package that holds it here (libqt6core6 on one release,
# libqt6core6t64 on the next).
depends=$(field Depends)
needed=$(objdump -p "$work/root/usr/bin/starkindle" | awk '$1 == "NEEDED" { print $2 }')
for lib in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libstdc++.so.6 libc.so.6; do
    grep -qxF "$lib" <<<"$needed" || { echo "FAIL: the binary does not link $lib: $needed"; exit 1; }
done
depends_on=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for lib in $needed; do
    owner=$(dpkg-query -S "*/$multiarch/$lib" 2>/dev/null | awk -F: '!/^diversion/ { print $1; exit }')
    [ -n "$owner" ] || { echo "FAIL: no installed package holds $lib"; exit 1; }
    grep -qxF "$owner" <<<"$depends_on" || { echo "FAIL: Depends lacks $owner (for $lib): $depends"; exit 1; }
done
[ "$(field Recommends)" = "qt6-wayland, xdg-utils" ] || { echo "FAIL: Recommends is $(field Recommends)"; exit 1; }
echo "ok: starkindle $version, Depends: $depends"

expected=(
    ./usr/bin/starkindle
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/metainfo/$app_id.metainfo.xml"
    ./usr/share/icons/hicolor/scalable/apps/starkindle.svg
    ./usr/share/man/man1/starkindle.1.gz
    ./usr/share/doc/starkindle/copyright
    ./usr/share/doc/starkindle/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/starkindle.png")
done
# Exactly these files, nothing more: a test program or a header that slips
# into the install rules shows up here.
if ! diff <(printf '%s\n' "${expected[@]}" | sort) \
          <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort); then
    echo "FAIL: the package's files differ from the expected list (< expected, > packaged)"
    exit 1
fi
echo "ok: ${#expected[@]} files as expected"

root="$work/root"
[ -x "$root/usr/bin/starkindle" ] || { echo "FAIL: the binary is not executable"; exit 1; }
# The translations are compiled in: the packaged binary speaks German.
[ "$(LANGUAGE=de LANG=C.UTF-8 "$root/usr/bin/starkindle" --help | head -1)" = "Aufruf: starkindle [OPTION]..." ] ||
    { echo "FAIL: the packaged binary has no German"; exit 1; }

# A private settings folder (so no earlier run changes what starts up) and a
# private runtime folder (so another running copy's single-instance lock does
# not stop this one). xvfb-run -a picks a free display, searching from a
# random number rather than from 99 where every other xvfb-run starts, which
# makes a clash with another test's display unlikely; a display that does not
# start or cannot be reached is tried again.
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
for attempt in 1 2 3; do
    rm -f "$work/started"
    rc=0
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DISPLAY \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        xvfb-run -a -n $((200 + RANDOM % 400)) -s "-screen 0 1024x768x24" \
        "$0" --inside-x "$root/usr/bin/starkindle" "Starkindle v$version" "$work/started" || rc=$?
    [ -e "$work/started" ] && exit $rc
    echo "the virtual display did not start or could not be reached (attempt $attempt)"
    sleep $((attempt * 2))
done
echo "FAIL: no virtual display"
exit 1
