#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator CTest puts before every
# test program of a Windows cross build, also used by the Wine end-to-end
# tests.
#   wine-run.sh DLL_DIRS PROGRAM [ARGS...]
#   wine-run.sh DLL_DIRS --make-prefix      only makes the prefix
# DLL_DIRS: the folders (colon-separated) that hold the Qt and compiler
# runtime DLLs; they go on the program's PATH.
# WINEPREFIX must be set. The prefix is made on first use, without a display;
# with STARKINDLE_WINE_TEMPLATE naming a prefix already made, as a copy of
# that one. Parallel tests share it.
# With STARKINDLE_WINE_DISPLAY=1 the program runs on a virtual X display of
# its own, with a window manager, in a copy of the prefix of its own: a Wine
# prefix has one desktop, tied to the display of its first window. With
# =inherit it uses the caller's DISPLAY; otherwise it runs with none.
# QT_* variables do not reach Windows programs; pass WINEQT_* instead.
set -euo pipefail
dll_dirs=$1
shift
: "${WINEPREFIX:?WINEPREFIX must be set}"

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
server=/usr/lib/wine/wineserver64
[ -x "$wine" ] || { echo "wine-run: $wine missing (Debian package wine64)" >&2; exit 1; }
export WINELOADER=$wine
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or HTML engine installers, and no menu entries or file
# associations written for the desktop while a test runs.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# A copy of prefix $1 in $2. Wine 8 puts some 700 MB of real DLLs in a
# prefix and only reads them: they are linked, not copied. The registry and
# the users' folders, which are written, are copied.
# The copy is made beside its place and moved there whole, so an interrupted
# one is never taken for a prefix.
copy_prefix() {
    local from=$1 to=$2 part="$2.part"
    (
        flock 9
        rm -rf "$part"
        mkdir "$part"
        cp -a "$from"/*.reg "$from/.update-timestamp" "$from/dosdevices" "$part/"
        cp -al "$from/drive_c" "$part/"
        rm -rf "$part/drive_c/users"
        cp -a "$from/drive_c/users" "$part/drive_c/"
        mv -T "$part" "$to"
    ) 9>"$from.lock"
}

# The prefix is made once, under a lock: as a copy of the template when
# there is one, else by Wine. Nothing started under the lock may inherit it,
# since it would hold it for as long as it runs.
make_prefix() {
    local prefix=$1 template=${STARKINDLE_WINE_TEMPLATE:-}
    (
        flock 9
        if [ ! -f "$prefix/system.reg" ]; then
            if [ -n "$template" ] && [ -f "$template/system.reg" ] && [ ! -e "$prefix" ]; then
                copy_prefix "$template" "$prefix" 9>&-
            else
                WINEPREFIX=$prefix env -u DISPLAY -u WAYLAND_DISPLAY "$wine" wineboot -i \
                    </dev/null >/dev/null 2>&1 9>&- || true
                WINEPREFIX=$prefix "$wineserver" -w 9>&-
            fi
        fi
    ) 9>"$prefix.lock"
    [ -f "$prefix/system.reg" ] || { echo "wine-run: could not make the Wine prefix $prefix" >&2; exit 1; }
}

# The prefix's server is started here, detached, with a minute of
# persistence, and a first trivial program brings up the prefix's services
# (and its desktop, on the display the tests' own programs use): otherwise
# every test would start them again as children of its own program.
start_services() {
    local prefix=$1
    (
        flock 9
        # Fails when the prefix's server already runs.
        if WINEPREFIX=$prefix "$server" -p60 </dev/null >/dev/null 2>&1 9>&-; then
            WINEPREFIX=$prefix setsid "$wine" rundll32 </dev/null >/dev/null 2>&1 9>&- || true
        fi
    ) 9>"$prefix.lock"
}

work=$(mktemp -d)
readers=()
. "$(dirname "$0")/desktop.sh"
program_pid="" own_prefix=""
cleanup() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    [ -z "$own_prefix" ] || WINEPREFIX=$own_prefix timeout 30 "$wineserver" -k 2>/dev/null || true
    for p in "${readers[@]}" "${desktop_pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work" ${own_prefix:+"$own_prefix"}
}
trap cleanup EXIT
# Stopping this script stops the program too.
trap 'exit 143' TERM INT HUP

# Runs "$wine" with the arguments given, its output passed on through pipes
# read here. What Wine starts on the program's behalf (the desktop window,
# services) inherits those pipes and may outlive the program by a minute;
# once the program has ended the readers stop, so the caller sees the end of
# the output at once rather than when the last of them quits.
run_wine() {
    mkfifo "$work/out" "$work/err"
    cat "$work/out" &
    readers+=($!)
    cat "$work/err" >&2 &
    readers+=($!)
    local status=0
    "$wine" "$@" >"$work/out" 2>"$work/err" </dev/null &
    program_pid=$!
    wait "$program_pid" || status=$?
    program_pid=""
    for _ in $(seq 10); do
        kill -0 "${readers[@]}" 2>/dev/null || break
        sleep 0.1
    done
    return $status
}

winepath=""
IFS=: read -r -a dirs <<<"$dll_dirs"
for d in "${dirs[@]}"; do
    [ -n "$d" ] && winepath+="${winepath:+;}Z:${d//\//\\}"
done
export WINEPATH=$winepath

mkdir -p "$(dirname "$WINEPREFIX")"
[ "${STARKINDLE_WINE_DISPLAY:-}" = inherit ] || unset DISPLAY WAYLAND_DISPLAY
make_prefix "$WINEPREFIX"
# Only the prefix, left with nothing running: the template of the others.
[ "$1" != --make-prefix ] || exit 0
status=0
if [ "${STARKINDLE_WINE_DISPLAY:-}" != 1 ]; then
    start_services "$WINEPREFIX"
    run_wine "$@" || status=$?
    exit $status
fi

# Copied from the template when there is one: the shared prefix may be in
# use, and its server may be rewriting its registry while it is copied.
own_prefix="$WINEPREFIX-$(basename "$1" .exe)-$$"
copy_prefix "${STARKINDLE_WINE_TEMPLATE:-$WINEPREFIX}" "$own_prefix"
start_desktop "$work" || exit 1
WINEPREFIX=$own_prefix run_wine "$@" || status=$?
kill -0 "${desktop_pids[1]}" 2>/dev/null || { cat "$work/wm.log" >&2; echo "wine-run: the window manager ended early" >&2; }
exit $status
