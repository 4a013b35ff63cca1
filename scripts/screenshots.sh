#!/usr/bin/env bash
# Takes a picture of each window of the real binary on a virtual display:
# the main window and the result window for 15 March 1965, the About window
# and the exit window.
# Usage: screenshots.sh PATH/TO/starkindle OUTPUT-FOLDER
#        screenshots.sh PATH/TO/starkindle-<version>-win64.zip OUTPUT-FOLDER
# Given the Windows zip, it runs the program under Wine in a fresh prefix and
# names the pictures windows-*.png.
set -euo pipefail

if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi

app=$1 out=$2
# The pictures are of the English windows, and the keys below are English
# access keys, whatever the machine's language.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$out"
work=$(mktemp -d)
name_prefix="" wine_prefix="" settle=0.4
cleanup() {
    kill "${pid:-}" 2>/dev/null || true
    [ -z "$wine_prefix" ] || WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
case $app in
*.zip)
    # A fresh prefix is a first run: no reminder question. Wine paints a
    # window a moment after it is mapped.
    name_prefix="windows-" wine_prefix=$work/prefix settle=2
    unzip -q "$app" -d "$work/app"
    WINEPREFIX=$wine_prefix STARKINDLE_WINE_DISPLAY=inherit \
        "$here/wine-run.sh" "" "$work/app/starkindle.exe" >/dev/null 2>&1 &
    ;;
*)
    mkdir -m 700 "$work/runtime"
    XDG_CONFIG_HOME=$work/config STARKINDLE_INSTANCE_DIR=$work/runtime "$app" >/dev/null 2>&1 &
    ;;
esac
pid=$!

# The newest visible window of the application with the given size; Wine
# first makes its prefix, which takes a while.
window() {
    local w
    for _ in $(seq 1 900); do
        for w in $(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null); do
            if xdotool getwindowgeometry "$w" | grep -q "Geometry: $1\$"; then
                echo "$w"
                return
            fi
        done
        sleep 0.1
    done
    echo "no window of size $1 appeared" >&2
    exit 1
}

# Focuses a window (there is no window manager to do it) and saves it.
shoot() {
    xdotool windowfocus --sync "$1"
    sleep "$settle"
    import -window "$1" "$out/$name_prefix$2.png"
    echo "$out/$name_prefix$2.png"
}

main=$(window 484x418)
xdotool windowfocus --sync "$main"
xdotool type --delay 40 "anna"
xdotool key --delay 40 Tab $(printf 'Down %.0s' $(seq 14)) Tab Down Down Tab $(printf 'Down %.0s' $(seq 25)) Tab
shoot "$main" main
xdotool key alt+s
result=$(window 561x580)
shoot "$result" result
xdotool key alt+h a
about=$(window 423x264)
shoot "$about" about
xdotool key Escape
sleep 0.3
xdotool windowfocus --sync "$result"
xdotool key alt+e
shoot "$(window 492x448)" exit
xdotool key alt+x
wait "$pid"
