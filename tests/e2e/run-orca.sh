#!/usr/bin/env bash
# Runs screen_reader.py with the real Orca against the built binary, all
# private and under one temporary folder: a D-Bus session, a virtual display
# with a window manager, the accessibility bus, Orca's settings, and a
# speech server whose one voice appends each utterance to a file (its sound
# goes to ALSA's null device). Usage: run-orca.sh PATH/TO/starkindle
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
for tool in orca speech-dispatcher openbox xdotool xvfb-run dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "run-orca.sh: no $tool, so Orca cannot be heard" >&2; exit 1; }
done
root=$(mktemp -d "${TMPDIR:-/tmp}/starkindle-orca-XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p -m 700 "$root/speech/modules" "$root/home" "$root/orca" "$root/log"
touch "$root/spoken.txt"
printf '%s\n' 'AddModule "recorder" "sd_generic" "recorder.conf"' 'DefaultModule recorder' \
    'DefaultLanguage "en"' 'AudioOutputMethod "alsa"' >"$root/speech/speechd.conf"
# The module quotes the text for the shell.
printf '%s\n' "GenericExecuteSynth \"printf '%s\\\\n' \\'\$DATA\\' >> '$root/spoken.txt'\"" \
    'GenericMaxChunkLength 100000' 'AddVoice "en" "MALE1" "recorder"' >"$root/speech/modules/recorder.conf"
echo 'pcm.!default { type null }' >"$root/home/.asoundrc"
export HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" XDG_DATA_HOME="$root/home/.local/share"
export XDG_RUNTIME_DIR="$root/home" SPEECHD_ADDRESS="unix_socket:$root/speechd.sock"
# Orca and the application speak English, whatever the machine's language.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" bash -c '
    openbox >/dev/null 2>&1 & wm=$!
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
    speech-dispatcher -s -t 0 -C "$1/speech" -S "$1/speechd.sock" -L "$1/log" >/dev/null 2>&1 & speech=$!
    orca --replace -u "$1/orca" >"$1/log/orca.txt" 2>&1 & reader=$!
    /usr/bin/python3 "$2" "$3" "$1/spoken.txt"; status=$?
    # Orca first, while its speech server still answers: one that has lost
    # the server may never end. Whatever is left after 10 s is killed.
    kill "$reader" 2>/dev/null
    for _ in $(seq 100); do kill -0 "$reader" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$reader" 2>/dev/null; then
        echo "run-orca.sh: Orca did not end within 10 s of TERM; killing it" >&2
        kill -KILL "$reader" 2>/dev/null
    fi
    kill "$speech" "$bus" "$wm" 2>/dev/null; wait 2>/dev/null
    [ "$status" = 0 ] || tail -n 15 "$1"/log/* >&2
    exit "$status"' bash "$root" "$here/screen_reader.py" "$binary"
