# Sourced: a private virtual X display with a window manager, as on a
# desktop. Without a window manager Wine waits two seconds for each window
# it maps to change state.
#   start_desktop FOLDER   starts Xvfb (the server picks a free display and
#                          says which) and openbox, logging into FOLDER;
#                          exports DISPLAY and appends both process ids to
#                          desktop_pids, for the caller to end. Returns 1,
#                          with the logs on stderr, when either fails.
desktop_pids=()
desktop_wm_up() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
start_desktop() {
    local folder=$1 attempt
    # A server that loses the race for its display number to another one
    # started at the same moment ends at once: it is started again.
    for attempt in 1 2 3; do
        start_server "$folder" && break
        [ "$attempt" -lt 3 ] || { cat "$folder/xvfb.log" >&2; echo "no virtual display" >&2; return 1; }
    done
    openbox --sm-disable >"$folder/wm.log" 2>&1 &
    desktop_pids+=($!)
    for _ in $(seq 100); do
        desktop_wm_up && return 0
        sleep 0.1
    done
    cat "$folder/wm.log" >&2
    echo "the window manager did not start" >&2
    return 1
}
# Starts Xvfb and waits until it answers; false, with it ended, when it does
# not. -noreset: a server resets when its last client leaves, and refuses
# connections meanwhile; the probe here would be that client.
start_server() {
    local folder=$1 pid
    rm -f "$folder/display"
    Xvfb -displayfd 5 -nolisten tcp -noreset -screen 0 1280x1024x24 5>"$folder/display" 2>"$folder/xvfb.log" >/dev/null &
    pid=$!
    for _ in $(seq 100); do
        [ -s "$folder/display" ] && xdpyinfo -display ":$(head -n1 "$folder/display")" >/dev/null 2>&1 && {
            desktop_pids+=("$pid")
            export DISPLAY=":$(head -n1 "$folder/display")"
            unset WAYLAND_DISPLAY
            return 0
        }
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return 1
}
