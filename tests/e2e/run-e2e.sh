#!/usr/bin/env bash
# Runs the end-to-end suite against the built binary: a private D-Bus session
# with the accessibility bus, a virtual X display, and the suite driving the
# application from outside as a user and a screen reader would. -noreset:
# the server would otherwise reset whenever its last client goes, and a start
# that connects during the reset fails.
# Usage: run-e2e.sh PATH/TO/starkindle
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" \
    bash -c '/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
             launcher=$!
             /usr/bin/python3 "$0" "$1"; status=$?
             kill "$launcher" 2>/dev/null
             exit "$status"' "$here/e2e.py" "$binary"
