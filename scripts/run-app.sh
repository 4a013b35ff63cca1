#!/usr/bin/env bash
# Runs the built application. Without a display it runs on a virtual X
# display instead, saves a picture of the main window and ends.
set -euo pipefail

build_dir=${1:-build}
app="$build_dir/src/app/starkindle"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$app"
fi

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): running on a virtual X display."
mkdir -p "$build_dir/screenshots"
shot="$(cd "$build_dir/screenshots" && pwd)/main.png"
# The main window's caption, as this build's Config.h has it.
caption=$(sed -n 's/^#define STARKINDLE_CAPTION "\(.*\)"$/\1/p' "$build_dir/src/generated/Config.h")
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$(dirname "$0")/screenshot-window.sh" "$caption" "$shot" "$app"
