#!/usr/bin/env bash
# Runs the screen reader scenario: the real Orca against the built binary,
# speaking through a speech-dispatcher module that appends each utterance to
# a file instead of making a sound. Everything is private and goes at the
# end: a D-Bus session, a virtual display with a window manager, the
# accessibility bus, the speech server and Orca's settings, all under one
# temporary folder.
# Usage: run-orca.sh PATH/TO/starkindle
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
for tool in orca speech-dispatcher openbox xdotool xvfb-run dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "run-orca.sh: $tool is not installed, so the screen reader scenario cannot run" >&2
        exit 1
    fi
done

root=$(mktemp -d "${TMPDIR:-/tmp}/starkindle-orca-XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p -m 700 "$root/speech/modules" "$root/home" "$root/orca" "$root/log"
spoken="$root/spoken.txt"
touch "$spoken"
cat >"$root/speech/speechd.conf" <<EOF
AddModule "recorder" "sd_generic" "recorder.conf"
DefaultModule recorder
DefaultLanguage "en"
AudioOutputMethod "alsa"
EOF
# Nothing is played: ALSA's default device discards all sound.
echo 'pcm.!default { type null }' >"$root/home/.asoundrc"
# One line per utterance; the module quotes the text for the shell.
cat >"$root/speech/modules/recorder.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> '$spoken'"
GenericMaxChunkLength 100000
AddVoice "en" "MALE1" "recorder"
EOF

export HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" XDG_DATA_HOME="$root/home/.local/share"
export XDG_RUNTIME_DIR="$root/home" SPEECHD_ADDRESS="unix_socket:$root/speechd.sock"
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" bash -c '
    root=$1
    openbox >/dev/null 2>&1 & wm=$!
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
    speech-dispatcher -s -t 0 -C "$root/speech" -c unix_socket -S "$root/speechd.sock" -L "$root/log" \
        >/dev/null 2>&1 & speech=$!
    orca --replace -u "$root/orca" >"$root/log/orca.txt" 2>&1 & reader=$!
    /usr/bin/python3 "$2" "$3" "$4"; status=$?
    kill "$reader" "$speech" "$bus" "$wm" 2>/dev/null
    wait 2>/dev/null
    [ "$status" = 0 ] || tail -n 15 "$root"/log/* >&2
    exit "$status"' bash "$root" "$here/screen_reader.py" "$binary" "$spoken"
