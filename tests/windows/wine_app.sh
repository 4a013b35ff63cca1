#!/usr/bin/env bash
# The real starkindle.exe under Wine on a virtual X display, in a Wine prefix
# of its own.
#   wine_app.sh app EXE DLL_DIRS WEB_SITE [SCREENSHOT]
#       the main window appears; a second start says "Application is already
#       running", ends after OK and leaves the first alone; Help > Online
#       Help hands the help page to the shell, which gives it to the browser
#       (here a recorder); File > Exit and the exit window's Exit end it.
#   wine_app.sh package ZIP
#       unpacks the zip into a fresh folder and prefix, with no other DLLs
#       on the path, starts the program and waits for its main window.
#   wine_app.sh setup SETUP_EXE
#       installs silently into a fresh prefix; the files, the Start-menu
#       shortcut and the entry under the Uninstall key are there; the
#       program starts from the shortcut and ends; a silent uninstall then
#       leaves nothing of the setup's, and the user's reminder date stays.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
wine_run="$here/../../scripts/wine-run.sh"
mode=$1
# From the build (tests/windows/CMakeLists.txt), as src/Config.h has them.
caption=${STARKINDLE_CAPTION:?the caption comes from CTest}
version=${STARKINDLE_VERSION:?the version comes from CTest}

work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
export STARKINDLE_WINE_DISPLAY=inherit
. "$here/../../scripts/desktop.sh"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    timeout 30 /usr/lib/wine/wineserver -k 2>/dev/null || true
    for p in "${desktop_pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

start_desktop "$work" || fail "no virtual desktop"

# The X window with exactly this title, waited for up to $2 seconds.
wait_window() {
    local title=$1 seconds=$2 id=""
    for _ in $(seq $((seconds * 4))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.25
    done
    return 1
}
# A window with title $1 other than window $2, waited for up to $3 seconds:
# the exit window, which has the caption of the window it replaces.
other_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "$2" | head -n1 | grep .
}
wait_other_window() {
    local id
    for _ in $(seq $(($3 * 4))); do
        id=$(other_window "$1" "$2") && { echo "$id"; return 0; }
        sleep 0.25
    done
    return 1
}
# Waits up to $2 seconds for process $1 to end; its status in $ended_status.
wait_end() {
    local pid=$1 seconds=$2
    for _ in $(seq $((seconds * 4))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            ended_status=0
            wait "$pid" || ended_status=$?
            return 0
        fi
        sleep 0.25
    done
    return 1
}
# Waits up to $2 seconds for the command after it to succeed.
wait_until() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# Window $1, once it is the active one, gets the keys after it, in one go:
# the program reads them in the order they were typed, however busy it is,
# as a menu's access key typed right after the one that opens it.
keys() {
    local win=$1
    shift
    xdotool windowactivate "$win" 2>/dev/null || xdotool windowfocus "$win" 2>/dev/null || true
    wait_until 30 is_active "$win" || fail "window $win did not become active for the keys $*"
    xdotool key --clearmodifiers "$@"
}
# Window $1 as a picture in $2, once it is painted: two pictures in a row
# alike and more than a few colours (not the blank frame Wine maps first).
painted() {
    local win=$1 out=$2 geometry
    geometry=$(xdotool getwindowgeometry --shell "$win" |
        awk -F= '/^WIDTH/{w=$2}/^HEIGHT/{h=$2}/^X=/{x=$2}/^Y=/{y=$2} END{print w "x" h "+" x "+" y}')
    import -window root -crop "$geometry" +repage "$out.new.png" 2>/dev/null || return 1
    if [ -f "$out.last.png" ] && [ "$(compare -metric AE "$out.last.png" "$out.new.png" null: 2>&1)" = 0 ] &&
        [ "$(identify -format %k "$out.new.png")" -gt 16 ]; then
        mv "$out.new.png" "$out"
        rm -f "$out.last.png"
        return 0
    fi
    mv "$out.new.png" "$out.last.png"
    return 1
}

case $mode in
app)
    exe=$2 dll_dirs=$3 web=$4 screenshot=${5:-}
    # Made before the first start, so the first start is a first run (no
    # reminder question) and the browser recorder is in place.
    # The browser Wine's shell starts: one that notes the address it got.
    urls="$work/urls"
    : >"$urls"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$urls" >"$work/browser.sh"
    chmod +x "$work/browser.sh"
    "$wine_run" "$dll_dirs" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/browser.sh" /f >/dev/null

    "$wine_run" "$dll_dirs" "$exe" >"$work/first.log" 2>&1 &
    first=$!
    pids+=("$first")
    main=$(wait_window "$caption" 90) || { cat "$work/first.log"; fail "the main window did not appear"; }
    echo "ok: main window shown"
    if [ -n "$screenshot" ]; then
        wait_until 30 painted "$main" "$screenshot" || fail "the main window was not painted for the screenshot"
        echo "ok: screenshot in $screenshot"
    fi

    "$wine_run" "$dll_dirs" "$exe" >"$work/second.log" 2>&1 &
    second=$!
    pids+=("$second")
    box=$(wait_window "Starkindle" 60) || fail "the second start showed no message box"
    # Qt's message box copies its caption and text with Ctrl+C on Windows;
    # Wine hands the clipboard to X.
    copied=""
    for _ in $(seq 10); do
        keys "$box" ctrl+c
        copied=$(timeout 10 xclip -o -selection clipboard 2>/dev/null || true)
        [ -n "$copied" ] && break
    done
    grep -qx "Application is already running" <<<"$copied" || fail "the message box said: $copied"
    [ "$(grep -cxF "$caption" <<<"$(xdotool search --name . getwindowname %@ 2>/dev/null)")" -le 1 ] \
        || fail "the second start showed a main window"
    keys "$box" Return
    wait_end "$second" 30 || fail "the second start did not end after OK"
    kill -0 "$first" 2>/dev/null || fail "the first instance ended too"
    echo "ok: second start said \"Application is already running\" and ended (status $ended_status)"

    keys "$main" alt+h o
    for _ in $(seq 60); do [ -s "$urls" ] && break; sleep 0.5; done
    expected="$web/starkindle/starkindle-help.html"
    [ "$(cat "$urls")" = "$expected" ] \
        || fail "the browser was given '$(cat "$urls")', expected '$expected'"
    echo "ok: Help > Online Help handed $expected to the shell"

    keys "$main" alt+f x
    nag=$(wait_other_window "$caption" "$main" 30) || fail "no exit window after File > Exit"
    keys "$nag" alt+x
    wait_end "$first" 30 || fail "the application did not end from its exit window"
    echo "ok: ended from the exit window (status $ended_status)"
    ;;
package)
    zip=$2
    unzip -q "$zip" -d "$work/app"
    [ -f "$work/app/starkindle.exe" ] || fail "no starkindle.exe at the top of the zip"
    # No DLL folders: everything must come from the zip.
    "$wine_run" "" "$work/app/starkindle.exe" >"$work/app.log" 2>&1 &
    pids+=("$!")
    wait_window "$caption" 90 >/dev/null || { cat "$work/app.log"; fail "the unpacked program showed no main window"; }
    echo "ok: the unpacked program shows its main window in a fresh prefix"
    ;;
setup)
    setup=$2 dir='C:\Program Files\Starkindle'
    folder="$WINEPREFIX/drive_c/Program Files/Starkindle"
    menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Starkindle"
    key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Starkindle'
    reminder='HKCU\Software\VB and VBA Program Settings\starkindle\Settings'
    # A key's values, "NAME TYPE DATA" a line; fails when there is no such key.
    # The 64-bit view is the one Windows lists installed programs from.
    values() {
        local out
        out=$("$wine_run" "" reg query "$1" /reg:64 2>/dev/null) || return 1
        tr -d '\r' <<<"$out" | sed -n 's/^    //p' | sed 's/    / /g'
    }
    # This prefix's running copies (Wine names each process after its program).
    running() {
        local p
        for p in $(pgrep -x starkindle.exe); do
            tr '\0' '\n' 2>/dev/null <"/proc/$p/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
        done
        return 1
    }

    # Wine starts a setup it cannot run (a 32-bit one) and still returns 0:
    # what counts is what it installed.
    "$wine_run" "" "$setup" /S >"$work/setup.log" 2>&1 || fail "the setup returned $?"
    for f in starkindle.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
             libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll Uninstall.exe; do
        [ -f "$folder/$f" ] || { cat "$work/setup.log"; fail "$f is not in $dir"; }
    done
    [ -f "$menu/Starkindle.lnk" ] || fail "no Start-menu shortcut Starkindle"
    got=$(values "$key") || fail "no $key in the 64-bit registry"
    sed 's/^/    /' <<<"$got"
    while IFS= read -r want; do
        grep -qxF "$want" <<<"$got" || fail "the Uninstall key lacks: $want"
    done <<EOF
DisplayName REG_SZ Starkindle
DisplayVersion REG_SZ $version
Publisher REG_SZ Corvane Softwares
DisplayIcon REG_SZ $dir\\starkindle.exe
InstallLocation REG_SZ $dir
UninstallString REG_SZ "$dir\\Uninstall.exe"
QuietUninstallString REG_SZ "$dir\\Uninstall.exe" /S
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
EOF
    # In KiB, as Windows shows it: the files' total, give or take 5 %.
    size=$(($(sed -n 's/^EstimatedSize REG_DWORD //p' <<<"$got") * 100 / $(du -sk --apparent-size "$folder" | cut -f1)))
    ((size >= 95 && size <= 105)) || fail "EstimatedSize is $size % of the files' size"
    echo "ok: installed into $dir, the shortcut and the Uninstall key made"

    # From the shortcut, as a user starts it; start returns at once.
    "$wine_run" "" start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Starkindle\Starkindle.lnk' \
        >"$work/app.log" 2>&1 &
    pids+=("$!")
    main=$(wait_window "$caption" 90) || { cat "$work/app.log"; fail "the installed program showed no main window"; }
    running || fail "the program's window is there but not its process"
    echo "ok: the installed program shows its main window"
    # The first start stores the reminder date: the user's, not the setup's.
    stored=$(values "$reminder" | grep '^UpdateReminderDate ') || fail "the program stored no reminder date"
    keys "$main" alt+f x
    nag=$(wait_other_window "$caption" "$main" 30) || fail "no exit window after File > Exit"
    keys "$nag" alt+x
    for _ in $(seq 120); do running || break; sleep 0.25; done
    ! running || fail "the installed program did not end from its exit window"

    # The uninstaller goes on from a copy of itself and returns at once.
    "$wine_run" "" "$dir\\Uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the uninstaller returned $?"
    for _ in $(seq 120); do
        left=$(find "$folder" "$menu" 2>/dev/null || true)
        values "$key" >/dev/null && left+=" $key"
        values 'HKLM\Software\Corvane Softwares' >/dev/null && left+=" the maker's key"
        [ -z "$left" ] && break
        sleep 0.5
    done
    [ -z "$left" ] || fail "the uninstall left: $left"
    [ "$(values "$reminder" | grep '^UpdateReminderDate ')" = "$stored" ] || fail "the reminder date went: $stored"
    echo "ok: the silent uninstall left nothing of the setup's; the user's $stored stays"
    ;;
*)
    echo "usage: $0 app EXE DLL_DIRS WEB_SITE [SCREENSHOT] | package ZIP | setup SETUP_EXE" >&2
    exit 2
    ;;
esac
