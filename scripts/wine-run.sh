#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator CTest puts before every
# test program of a Windows cross build, also used by the Wine end-to-end
# tests.
#   wine-run.sh DLL_DIRS PROGRAM [ARGS...]
# DLL_DIRS: the folders (colon-separated) that hold the Qt and compiler
# runtime DLLs; they go on the program's PATH.
# WINEPREFIX must be set. The prefix is made on first use, without a display.
# Parallel tests share it.
# With STARKINDLE_WINE_DISPLAY=1 the program runs on a virtual X display of
# its own, in a copy of the prefix of its own: a Wine prefix has one desktop,
# tied to the display of its first window. With =inherit it uses the
# caller's DISPLAY; otherwise it runs with none.
# QT_* variables do not reach Windows programs; pass WINEQT_* instead.
set -euo pipefail
dll_dirs=$1
shift
: "${WINEPREFIX:?WINEPREFIX must be set}"

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -x "$wine" ] || { echo "wine-run: $wine missing (Debian package wine64)" >&2; exit 1; }
export WINELOADER=$wine
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or HTML engine installers, and no menu entries or file
# associations written for the desktop while a test runs.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Made once, under a lock, headless.
make_prefix() {
    local prefix=$1
    (
        flock 9
        if [ ! -f "$prefix/system.reg" ]; then
            WINEPREFIX=$prefix env -u DISPLAY -u WAYLAND_DISPLAY "$wine" wineboot -i >/dev/null 2>&1 || true
            WINEPREFIX=$prefix "$wineserver" -w
        fi
    ) 9>"$prefix.lock"
    [ -f "$prefix/system.reg" ] || { echo "wine-run: could not make the Wine prefix $prefix" >&2; exit 1; }
}
mkdir -p "$(dirname "$WINEPREFIX")"
make_prefix "$WINEPREFIX"

winepath=""
IFS=: read -r -a dirs <<<"$dll_dirs"
for d in "${dirs[@]}"; do
    [ -n "$d" ] && winepath+="${winepath:+;}Z:${d//\//\\}"
done
export WINEPATH=$winepath

case ${STARKINDLE_WINE_DISPLAY:-} in
1) ;;
inherit) exec "$wine" "$@" ;; # the caller's display and prefix
*)
    unset DISPLAY WAYLAND_DISPLAY
    exec "$wine" "$@"
    ;;
esac

work=$(mktemp -d)
own_prefix="$WINEPREFIX-$(basename "$1" .exe)-$$"
xvfb_pid=""
cleanup() {
    WINEPREFIX=$own_prefix "$wineserver" -k 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work" "$own_prefix"
}
trap cleanup EXIT
(flock 9; cp -a "$WINEPREFIX" "$own_prefix") 9>"$WINEPREFIX.lock"
# The server picks a free display itself and says which.
Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x1024x24 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY
status=0
WINEPREFIX=$own_prefix "$wine" "$@" || status=$?
exit $status
