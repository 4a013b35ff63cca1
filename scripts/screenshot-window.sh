#!/usr/bin/env bash
# Inside an X session: starts a program, waits for its window with the given
# title, saves a picture of that window and ends the program.
# Usage: screenshot-window.sh TITLE OUTPUT.png PROGRAM [ARGS...]
set -euo pipefail

title=$1 out=$2
shift 2
"$@" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

win=""
for _ in $(seq 1 100); do
    win=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\"" 'index($0, t) && $0 ~ /[0-9]+x[0-9]+/ {print $1; exit}')
    [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "The program ended before its window appeared." >&2; exit 1; }
    sleep 0.1
done
[ -n "$win" ] || { echo "No window titled \"$title\" appeared." >&2; exit 1; }
sleep 0.5 # let it finish painting
import -window "$win" "$out"
echo "Screenshot of the main window: $out"
