#!/usr/bin/env bash
# Runs the end-to-end suite against the built binary: a private D-Bus session
# with the accessibility bus, a virtual X display with a real window manager
# (openbox: stacking, activation and focus as the user has them), and the
# suite driving the application from outside as a user and a screen reader
# would. -noreset: the server would otherwise reset whenever its last client
# goes, and a start that connects during the reset fails.
# Usage: run-e2e.sh PATH/TO/starkindle
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" \
    bash -c '/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
             launcher=$!
             openbox --sm-disable >/dev/null 2>&1 &
             wm=$!
             # The manager is up once it names its check window on the root.
             for _ in $(seq 100); do
                 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
                 sleep 0.1
             done
             xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || { echo "openbox did not start" >&2; exit 1; }
             /usr/bin/python3 "$0" "$1"; status=$?
             kill "$wm" "$launcher" 2>/dev/null
             exit "$status"' "$here/e2e.py" "$binary"
