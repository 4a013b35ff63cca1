#!/usr/bin/env bash
# Drives the real application on an X display through crashes, simultaneous
# starts and damaged or unusual settings, and checks that it still comes up
# and that the settings file keeps what it held.
#
# Usage: app_faults.sh APP CASE [FIRST_DISPLAY]
# Runs itself on a virtual X display of its own (xvfb-run -a, searching from
# FIRST_DISPLAY, so cases run side by side rarely contend for a number).
# Every run gets its own configuration, runtime and home folders.
set -euo pipefail

app=$1
case_name=$2

if [ -z "${STARKINDLE_FAULTS_IN_X:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "FAIL: xvfb-run is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
    xlog=$(mktemp "${TMPDIR:-/tmp}/starkindle-xvfb.XXXXXX")
    rc=0
    # -noreset: by default the server resets whenever its last client goes,
    # and a start that connects during the reset fails.
    STARKINDLE_FAULTS_IN_X=1 STARKINDLE_XVFB_LOG=$xlog \
        xvfb-run -a -n "${3:-99}" -s "-screen 0 1024x768x24 -noreset" -e "$xlog" bash "$0" "$app" "$case_name" || rc=$?
    rm -f "$xlog"
    exit "$rc"
fi

# From the build (tests/faults/CMakeLists.txt), as src/Config.h has them.
MainTitle=${STARKINDLE_CAPTION:?the caption comes from CTest}
Version=${STARKINDLE_VERSION:?the version comes from CTest}
Earliest=${STARKINDLE_EARLIEST_YEAR:?the years come from CTest} Latest=${STARKINDLE_LATEST_YEAR:?}
FirstYear=${STARKINDLE_FIRST_YEAR:?}
BoxTitle='Starkindle'
Timeout=20 # seconds for a window to appear; generous for sanitizer builds

for tool in xwininfo xdotool setpriv cmp; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/starkindle-faults.XXXXXX")
mkdir -p "$work/config" "$work/run" "$work/home" "$work/tmp"
chmod 700 "$work/run"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" HOME="$work/home" TMPDIR="$work/tmp"
# The instance lock of this run's copies, apart from any other run's.
export STARKINDLE_INSTANCE_DIR="$work/run"
# A known locale: its short date form is one the reminder reads. English,
# whatever the caller's LANGUAGE.
export LC_ALL=C.UTF-8
unset LANGUAGE
# Real windows on this display, whatever the caller's environment says.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME SESSION_MANAGER
# No session bus: without an address, D-Bus would autolaunch a bus daemon on
# this display (with dbus-x11 installed), slowing starts unpredictably and
# outliving the test.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
log="$work/app.log"
ini="$XDG_CONFIG_HOME/starkindle/starkindle.ini"

pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do
        kill -KILL "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    chmod -R u+rwx "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP # so a timed-out run still tidies up

fail() {
    echo "FAIL [$case_name] after ${SECONDS}s: $*" >&2
    echo "--- windows:" >&2
    xwininfo -root -tree 2>&1 | grep -i starkindle >&2 || true
    if [ -n "${STARKINDLE_XVFB_LOG:-}" ]; then
        echo "--- X server on $DISPLAY:" >&2
        cat "$STARKINDLE_XVFB_LOG" >&2 2>/dev/null || true
    fi
    echo "--- application output:" >&2
    cat "$log" >&2 2>/dev/null || true
    # A case whose application cannot write (ulimit -f 0) leaves a log of
    # its own here.
    [ ! -s "$work/stand-in.log" ] || { echo "--- stand-in X server:" && cat "$work/stand-in.log"; } >&2
    exit 1
}

# Starts the application (optionally through a wrapper command) and records
# its process id in $started.
start_app() {
    "$@" "$app" >>"$log" 2>&1 &
    started=$!
    pids+=("$started")
}

# "id WxH" for each mapped top-level window titled exactly $1.
visible_windows() {
    local id geometry
    xwininfo -root -tree 2>/dev/null | awk -v t="\"$1\": (" 'index($0, t) { print $1, $(NF - 1) }' |
        while read -r id geometry; do
            if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
                echo "$id ${geometry%%[+-]*}"
            fi
        done
}

# Windows titled $1 whose size lies within $2..$3 wide and $4..$5 high.
count_windows() {
    visible_windows "$1" | awk -v a="$2" -v b="$3" -v c="$4" -v d="$5" '
        { split($2, s, "x"); if (s[1] >= a && s[1] <= b && s[2] >= c && s[2] <= d) n++ }
        END { print n + 0 }'
}
main_windows() { count_windows "$MainTitle" 484 484 418 418; }
# The "already running" box is about 250x80, the update question about 370x90.
small_boxes() { count_windows "$BoxTitle" 150 500 50 200; }
box_id() { visible_windows "$BoxTitle" | awk 'NR == 1 { print $1 }'; }

# Polls "$@" until it succeeds or $Timeout seconds pass.
wait_until() {
    local deadline=$((SECONDS + Timeout))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}
alive() { kill -0 "$1" 2>/dev/null; }
dead() { ! kill -0 "$1" 2>/dev/null; }
have_main() { [ "$(main_windows)" -eq "$1" ]; }
have_box() { [ "$(small_boxes)" -eq "$1" ]; }

# Ends a process that must still be running with SIGTERM; any other end
# (a crash, an early exit) fails the case.
stop_app() {
    local pid=$1 rc=0
    alive "$pid" || { wait "$pid" || rc=$?; fail "process $pid ended on its own (status $rc) before it was stopped"; }
    kill -TERM "$pid"
    wait "$pid" || rc=$?
    [ "$rc" -eq 143 ] || fail "process $pid ended with status $rc instead of by SIGTERM"
}

# Presses a key in a box until the box goes away: a key that arrives before
# the box is ready for it is lost, as it would be for a user.
answer_box() {
    local id=$1 key=$2 attempt deadline
    [ -n "$id" ] || fail "no box to press $key in"
    for attempt in 1 2 3 4 5; do
        timeout 10 xdotool windowfocus --sync "$id" key "$key" 2>/dev/null || true
        deadline=$((SECONDS + 3))
        while [ "$SECONDS" -lt "$deadline" ]; do
            xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
            sleep 0.05
        done
    done
    fail "the box $id stayed after $key was pressed 5 times"
}

# One start with the settings as they are: the main window appears and no
# box asks anything; then the application is stopped.
start_to_main_window() {
    start_app "$@"
    local pid=$started
    if ! wait_until have_main 1; then
        local rc=0
        alive "$pid" && fail "no main window appeared; the process is still running"
        wait "$pid" || rc=$?
        fail "no main window appeared; the process ended with status $rc"
    fi
    [ "$(small_boxes)" -eq 0 ] || fail "a message box appeared beside the main window"
    # Nothing at start-up reads an image file, so no image format plugin is loaded.
    ! grep -q '/imageformats/' "/proc/$pid/maps" || fail "an image format plugin was loaded at start-up"
    stop_app "$pid"
}

today_is_one_of() { # $1: the value found; $2, $3: the local dates before and after the run
    [ "$1" = "$2" ] || [ "$1" = "$3" ]
}

# Writes $2 bytes of a fixed pseudo-random sequence (seed $1) to stdout.
garbage() {
    LC_ALL=C awk -v seed="$1" -v n="$2" 'BEGIN { srand(seed); for (i = 0; i < n; i++) printf "%c", int(rand() * 256) }'
}

seed_ini() { # seeds the settings file from stdin and keeps a copy to compare with
    mkdir -p "$(dirname "$ini")"
    cat >"$ini"
    cp "$ini" "$work/before.ini"
}
ini_unchanged() {
    cmp -s "$ini" "$work/before.ini" || fail "the settings file changed: $(cmp "$ini" "$work/before.ini" 2>&1 | head -1)"
}

case "$case_name" in

crash_restart)
    # kill -9 leaves the lock file behind; the next start must not mind.
    start_app
    first=$started
    wait_until have_main 1 || fail "no main window on the first start"
    kill -KILL "$first"
    rc=0
    { wait "$first"; } 2>/dev/null || rc=$? # quiet: bash would report "Killed"
    [ "$rc" -eq 137 ] || fail "the first instance ended with status $rc, not by SIGKILL"
    [ -e "$STARKINDLE_INSTANCE_DIR/starkindle.lock" ] || fail "no lock file was left behind; the case tests nothing"
    wait_until have_main 0 || fail "the killed instance's window stayed"
    for attempt in 1 2; do
        start_to_main_window
    done
    ;;

simultaneous_starts)
    # What the loser of a race shows and how it ends, a few times. That
    # exactly one of many simultaneous starts wins, round after round, is
    # tst_singleinstance's (simultaneousStartsHaveOneWinner).
    for round in $(seq 1 3); do
        start_app
        a=$started
        start_app
        b=$started
        wait_until eval 'have_main 1 && have_box 1' ||
            fail "round $round: expected one main window and one box, saw $(main_windows) and $(small_boxes)"
        sleep 0.2 # a late second main window would show up by now
        have_main 1 || fail "round $round: $(main_windows) main windows"
        have_box 1 || fail "round $round: $(small_boxes) boxes"
        alive "$a" && alive "$b" || fail "round $round: an instance ended while the box waited for OK"
        # OK on the box ends the second instance cleanly; the first stays.
        answer_box "$(box_id)" Return
        wait_until eval 'dead $a || dead $b' || fail "round $round: the refused instance did not end after OK"
        if dead "$a"; then loser=$a winner=$b; else loser=$b winner=$a; fi
        rc=0
        wait "$loser" || rc=$?
        [ "$rc" -eq 0 ] || fail "round $round: the refused instance ended with status $rc"
        have_main 1 || fail "round $round: the main window went away with the refused instance"
        stop_app "$winner"
        wait_until have_main 0 || fail "round $round: the main window stayed after its instance ended"
        echo "round $round: one main window and one box; OK ended the second instance (${SECONDS}s)"
    done
    ;;

settings_garbage)
    for variant in 1 2 3; do
        case $variant in
        1) garbage 1 65536 | seed_ini ;;
        2) { printf '[Settings]\nUpdateReminderDate='; garbage 2 4096; } | seed_ini ;;
        3) { garbage 3 512; printf '\0\0[Settings]\0UpdateReminderDate=2000-01-01\n\xff\xfe=[\n'; } | seed_ini ;;
        esac
        start_to_main_window
        ini_unchanged
    done
    ;;

settings_empty)
    seed_ini </dev/null
    before=$(date +%F)
    start_to_main_window
    after=$(date +%F)
    content=$(cat "$ini")
    today_is_one_of "$content" "[Settings]
UpdateReminderDate=$before" "[Settings]
UpdateReminderDate=$after" || fail "expected today's date to be stored, found: $content"
    ;;

settings_large)
    # Several megabytes of settings with a recent date, then as much garbage.
    recent=$(date -d '-3 days' +%F)
    awk -v d="$recent" 'BEGIN {
        for (s = 0; s < 2000; s++) {
            printf "[Section%d]\n", s
            for (k = 0; k < 40; k++) printf "key%d=value %d of section %d, kept as it is\n", k, k, s
        }
        printf "[Settings]\nUpdateReminderDate=%s\n", d
    }' | seed_ini
    [ "$(stat -c %s "$ini")" -gt 3000000 ] || fail "the seeded file is smaller than intended"
    start_to_main_window
    ini_unchanged
    garbage 4 4000000 | seed_ini
    start_to_main_window
    ini_unchanged
    ;;

settings_other_date_form)
    # None of these is our own form or the short date form of the C locale
    # ("7 Dec 2026"), which is read as a date.
    for form in 12/07/2026 07.12.2026 2026/12/07 "Dec 7 2026" 20261207 2026-12-07T00:00:00; do
        printf '[Settings]\nUpdateReminderDate=%s\n' "$form" | seed_ini
        start_to_main_window
        ini_unchanged
    done
    ;;

settings_readonly_dir)
    # Without a date the reminder wants to store one, and cannot.
    printf '[General]\nkept=1\n' | seed_ini
    dir=$(dirname "$ini")
    chmod 444 "$ini"
    chmod 555 "$dir"
    # Root writes anywhere; without these capabilities the modes apply to it too.
    wrap=()
    [ "$(id -u)" -ne 0 ] || wrap=(setpriv --bounding-set -dac_override,-dac_read_search --inh-caps -dac_override,-dac_read_search)
    if "${wrap[@]}" touch "$dir/probe" 2>/dev/null; then fail "the folder is writable after all; the case tests nothing"; fi
    start_to_main_window "${wrap[@]}"
    ini_unchanged
    [ "$(ls -A "$dir")" = starkindle.ini ] || fail "something was added to the read-only folder: $(ls -A "$dir")"
    # The same with no file at all in the read-only folder.
    chmod 755 "$dir"
    rm -f "$ini"
    chmod 555 "$dir"
    start_to_main_window "${wrap[@]}"
    [ -z "$(ls -A "$dir")" ] || fail "a file appeared in the read-only folder: $(ls -A "$dir")"
    ;;

no_home)
    # No HOME at all: the configuration folder named by XDG_CONFIG_HOME is used.
    before=$(date +%F)
    start_to_main_window env -u HOME
    after=$(date +%F)
    value=$(sed -n 's/^UpdateReminderDate=//p' "$ini" 2>/dev/null || true)
    today_is_one_of "$value" "$before" "$after" || fail "no date stored without HOME (found '$value')"
    # A HOME that does not exist, and no XDG_CONFIG_HOME: the folders are made.
    rm -rf "$XDG_CONFIG_HOME"
    start_to_main_window env -u XDG_CONFIG_HOME HOME="$work/missing-home"
    value=$(sed -n 's/^UpdateReminderDate=//p' "$work/missing-home/.config/starkindle/starkindle.ini" 2>/dev/null || true)
    today_is_one_of "$value" "$before" "$(date +%F)" || fail "no date stored under a missing HOME (found '$value')"
    ;;

reminder_due)
    printf '[Other]\nkeep=this & that\n\n[Settings]\nUpdateReminderDate=2000-01-01\n' | seed_ini
    # The question comes before the main window; ended there, nothing is lost.
    start_app
    pid=$started
    wait_until have_box 1 || fail "no question box appeared"
    sleep 0.3
    have_main 0 || fail "the main window appeared before the question was answered"
    stop_app "$pid"
    ini_unchanged
    # Answered No (Escape): today's date is stored, the rest kept, and the main
    # window follows.
    start_app
    pid=$started
    wait_until have_box 1 || fail "no question box appeared on the second start"
    have_main 0 || fail "the main window appeared before the question was answered"
    before=$(date +%F)
    answer_box "$(box_id)" Escape
    wait_until have_main 1 || fail "no main window after the question was answered"
    after=$(date +%F)
    stop_app "$pid"
    value=$(sed -n 's/^UpdateReminderDate=//p' "$ini")
    today_is_one_of "$value" "$before" "$after" || fail "the answer did not store today's date (found '$value')"
    grep -qx 'keep=this & that' "$ini" || fail "another setting was lost: $(cat "$ini")"
    ;;

settings_not_a_file)
    # A FIFO, a socket or a device as the settings file: nothing is opened or
    # written, and the main window comes at once.
    mkdir -p "$(dirname "$ini")"
    for kind in fifo socket device; do
        rm -f "$ini"
        case $kind in
        fifo) mkfifo "$ini" ;;
        socket) python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$ini" ;;
        device) mknod "$ini" c 1 5 2>/dev/null || ln -s /dev/zero "$ini" ;; # /dev/zero never ends
        esac
        start_to_main_window
        [ ! -f "$ini" ] && [ "$(ls -A "$(dirname "$ini")")" = starkindle.ini ] || fail "$kind: the settings were written"
    done
    ;;

settings_planted_link)
    # A link at the settings file's name is followed only when the user made
    # it in a folder nobody else can write to. Ownership, not permission, is
    # what counts, so root may be the user here.
    printf '[user]\n\tname = Victim\n' | tee "$work/before.ini" >"$work/.gitconfig"
    mkdir -p "$(dirname "$ini")"
    for mode in 777 700; do # a folder others can write to; a link of another user's
        chmod "$mode" "$(dirname "$ini")"
        ln -sfn "$work/.gitconfig" "$ini"
        [ "$mode" = 777 ] || chown -h 65534 "$ini" 2>/dev/null || continue
        start_to_main_window
        cmp -s "$work/.gitconfig" "$work/before.ini" && [ -L "$ini" ] || fail "$mode: the planted link was followed"
    done
    printf '[General]\nkept=1\n' >"$work/own.ini"
    ln -sfn "$work/own.ini" "$ini"
    start_to_main_window
    grep -q '^UpdateReminderDate=' "$ini" && grep -qx 'kept=1' "$ini" || fail "the user's own link was not followed"
    ;;

settings_lock_stuck)
    # A lock beside the settings file that cannot be taken: a folder, a
    # read-only file, a fresh empty file. The first run wants to store the
    # date; the main window must still come at once and the file stay whole.
    mkdir -p "$(dirname "$ini")"
    for variant in folder read-only fresh; do
        rm -rf "$ini.lock"
        printf '[General]\nkept=1\n' | seed_ini
        case $variant in
        folder) mkdir "$ini.lock" ;;
        read-only) : >"$ini.lock" && chmod 444 "$ini.lock" ;;
        fresh) : >"$ini.lock" ;;
        esac
        started_at=$(date +%s%N)
        start_app
        pid=$started
        wait_until have_main 1 || fail "$variant lock: no main window"
        waited=$((($(date +%s%N) - started_at) / 1000000))
        [ "$waited" -lt 4000 ] || fail "$variant lock: the main window took $waited ms"
        stop_app "$pid"
        ini_unchanged
        echo "$variant lock: main window after $waited ms, settings kept"
    done
    ;;

settings_disk_full)
    # Every write fails: past a file-size limit of 0, then on a full file
    # system. The main window comes, no empty or partial file is left, and
    # an existing file stays whole.
    dir=$(dirname "$ini")
    mkdir -p "$dir"
    limited=(bash -c 'ulimit -f 0 && exec "$0"')
    start_to_main_window "${limited[@]}"
    [ -z "$(ls -A "$dir")" ] || fail "with ulimit -f 0, files were left: $(ls -A "$dir")"
    printf '[General]\nkept=1\n' | seed_ini
    start_to_main_window "${limited[@]}"
    ini_unchanged
    [ "$(ls -A "$dir")" = starkindle.ini ] || fail "with ulimit -f 0, files were added: $(ls -A "$dir")"
    # Without a runtime folder, Qt warns into the log file at once.
    start_to_main_window env -u XDG_RUNTIME_DIR "${limited[@]}"
    rm -f "$ini"
    if mount -t tmpfs -o size=16k,mode=700 tmpfs "$dir" 2>/dev/null; then
        mounted=$dir
        trap 'umount "$mounted" 2>/dev/null; cleanup' EXIT
        printf '[General]\nkept=1\n' | seed_ini
        dd if=/dev/zero of="$dir/filler" bs=1k 2>/dev/null || true # until the file system is full
        [ "$(df --output=avail "$dir" | tail -1)" -eq 0 ] || fail "the file system is not full"
        start_to_main_window
        ini_unchanged
        rm -f "$ini"
        start_to_main_window
        [ "$(ls -A "$dir")" = filler ] || fail "on a full disk, files were left: $(ls -A "$dir")"
    else
        echo "note: no tmpfs could be mounted here; the full file system was not tried"
    fi
    ;;

instance_lock_place)
    # The lock's place follows the user, not the environment, and nobody
    # else's folder or file is trusted. Run as an ordinary user (root would
    # pass every permission), without our own variable, so the real places
    # are used; root plays the other user.
    [ "$(id -u)" -eq 0 ] || { echo "note: not root; the other user's part needs root"; echo "PASS [$case_name]"; exit 0; }
    nb=$work/nobody
    chmod 711 "$work"
    mkdir -p "$nb/home" "$nb/config" "$nb/run" "$nb/tmp" "$nb/read-only" "$nb/victim" "$work/shared"
    cp "$app" "$nb/starkindle" # wherever the build is, this user can run it
    cp "${XAUTHORITY:?xvfb-run sets it}" "$nb/xauth"
    chown -R 65534:65534 "$nb"
    chmod 700 "$nb/run" "$nb/victim"
    chmod 500 "$nb/read-only"
    chmod 1777 "$work/shared"
    app=$nb/starkindle
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups env -u STARKINDLE_INSTANCE_DIR
        HOME="$nb/home" XDG_CONFIG_HOME="$nb/config" XAUTHORITY="$nb/xauth" TMPDIR="$nb/tmp")

    # Two starts in different environments: the second is refused.
    second_refused() { # $1, $2: the runtime folder each start is told of ("" for none)
        local first second
        start_app "${as_user[@]}" ${1:+XDG_RUNTIME_DIR="$1"}
        first=$started
        wait_until have_main 1 || fail "runtime '$1': no main window"
        start_app "${as_user[@]}" ${2:+XDG_RUNTIME_DIR="$2"}
        second=$started
        wait_until have_box 1 || fail "runtime '$1' then '$2': the second start was not refused ($(main_windows) main windows)"
        answer_box "$(box_id)" Return
        wait_until dead "$second" || fail "the refused start did not end"
        have_main 1 || fail "runtime '$1' then '$2': $(main_windows) main windows"
        stop_app "$first"
        wait_until have_main 0 || fail "the main window stayed"
        echo "runtime '$1' then '$2': second start refused"
    }
    second_refused "$nb/run" ""
    second_refused "$nb/read-only" "$nb/read-only"

    # In a shared sticky folder: a link another user planted at the lock's
    # name, then a world-writable lock file another user holds.
    ln -s "$nb/victim/planted" "$work/shared/starkindle.lock"
    start_to_main_window "${as_user[@]}" XDG_RUNTIME_DIR="$work/shared"
    start_to_main_window "${as_user[@]}" STARKINDLE_INSTANCE_DIR="$work/shared"
    [ ! -e "$nb/victim/planted" ] || fail "the planted link was followed"
    rm "$work/shared/starkindle.lock"
    : >"$work/shared/starkindle.lock"
    chmod 666 "$work/shared/starkindle.lock"
    # Held by root through a descriptor of a sleep that replaces the subshell.
    (exec 9<>"$work/shared/starkindle.lock" && flock 9 && exec sleep 600) >/dev/null 2>&1 &
    pids+=($!)
    wait_until eval '! flock -n "$work/shared/starkindle.lock" true' || fail "the other user's lock was not taken"
    start_to_main_window "${as_user[@]}" XDG_RUNTIME_DIR="$work/shared"
    start_to_main_window "${as_user[@]}" STARKINDLE_INSTANCE_DIR="$work/shared"

    # /tmp/starkindle-65534 another user's folder (in a mount namespace of
    # each start's own): the lock goes to the cache folder of the home the
    # system records, whatever HOME says.
    [ -d /tmp/starkindle-65534 ] || "${as_user[@]}" mkdir -m 700 /tmp/starkindle-65534
    sed "s|^\([^:]*:[^:]*:65534:[^:]*:[^:]*:\)[^:]*:|\1$nb/home:|" /etc/passwd >"$work/passwd"
    mkdir "$work/roots"
    # shellcheck disable=SC2016 # expanded by the inner shell
    as_user=(unshare --mount bash -c 'mount --bind "$0" /etc/passwd && mount --bind "$1" /tmp/starkindle-65534 &&
        shift && exec "$@"' "$work/passwd" "$work/roots" "${as_user[@]}" HOME="$nb/tmp")
    second_refused "" ""
    [ -e "$nb/home/.cache/starkindle/starkindle.lock" ] || fail "the lock is not in the home's cache folder"
    ;;

instance_lock_unlisted_user)
    # No passwd entry (as in many containers), someone else's /tmp folder: the
    # lock goes to a HOME only the user can write to, or the start is refused.
    [ "$(id -u)" -eq 0 ] || { echo "note: not root; another user's part needs root"; echo "PASS [$case_name]"; exit 0; }
    uid=54321 u=$work/unlisted
    ! getent passwd $uid >/dev/null || fail "user id $uid is listed here"
    mkdir -p -m 700 /tmp/starkindle-$uid "$u/home" # the first root's, left for other runs
    cp "$app" "$u/starkindle" && cp "${XAUTHORITY:?}" "$u/xauth" && chown -R $uid:$uid "$u" && chmod 711 "$work" && app=$u/starkindle
    as_user=(setpriv --reuid=$uid --regid=$uid --clear-groups env -u STARKINDLE_INSTANCE_DIR XAUTHORITY="$u/xauth" HOME="$u/home")
    start_app "${as_user[@]}" && first=$started
    wait_until have_main 1 && [ -e "$u/home/.cache/starkindle/starkindle.lock" ] || fail "no main window, or no lock in HOME"
    for home_mode in 700 770; do # the second start says "already running", or why it cannot start
        chmod $home_mode "$u/home" && start_app "${as_user[@]}"
        wait_until have_box 1 && have_main 1 || fail "HOME $home_mode: no box, $(main_windows) main windows"
        answer_box "$(box_id)" Return
        wait "$started" && rc=0 || rc=$?
        [ "$rc" -eq $((home_mode == 770)) ] || fail "HOME $home_mode: the start ended with status $rc"
    done
    grep -q 'no private folder for the lock' "$log" || fail "the refusal was not said on standard error"
    stop_app "$first"
    ;;

start_while_display_resets)
    # A server that resets (whenever its last client has gone) drops the
    # connections that arrive meanwhile, as this stand-in does with the first
    # three, then passes the rest on. Counted, not timed: a loaded machine
    # must not change what the start meets. What it did goes to its log.
    socket=/tmp/.X11-unix/X$((6000 + RANDOM % 1000))
    while [ -e "$socket" ]; do socket=/tmp/.X11-unix/X$((6000 + RANDOM % 1000)); done
    python3 -c 'import socket as s, sys, threading as t
def pipe(a, b):
    while data := a.recv(65536): b.sendall(data)
server = s.socket(s.AF_UNIX); server.bind(sys.argv[1]); server.listen(8); n = 0
while c := server.accept()[0]:
    n += 1; print("connection", n, "dropped" if n <= 3 else "passed on", flush=True)
    if n <= 3: c.close(); continue
    x = s.socket(s.AF_UNIX); x.connect(sys.argv[2]); [t.Thread(target=pipe, args=e).start() for e in ((c, x), (x, c))]' \
        "$socket" "/tmp/.X11-unix/X${DISPLAY#:}" >"$work/stand-in.log" 2>&1 & pids+=($!)
    trap 'rm -f "$socket"; cleanup' EXIT
    wait_until test -S "$socket" || fail "the stand-in did not start"
    xauth -f "$work/xauth" add ":${socket##*X}" . "$(xauth list "$DISPLAY" | awk 'NR == 1 { print $3 }')" 2>/dev/null
    start_to_main_window env -u XDG_RUNTIME_DIR DISPLAY=":${socket##*X}" XAUTHORITY="$work/xauth" bash -c 'ulimit -f 0 && exec "$0"'
    grep -q 'connection 4 passed on' "$work/stand-in.log" || fail "the start did not meet the dropped connections"
    ;;

no_display)
    # No display named, and one nobody serves: one line that says so, status
    # 1, no abort.
    for display in "" ":$((4000 + RANDOM % 1000))"; do
        rc=0
        if [ -z "$display" ]; then
            timeout 20 env -u DISPLAY "$app" >"$work/out" 2>"$work/err" || rc=$?
        else
            timeout 20 env DISPLAY="$display" "$app" >"$work/out" 2>"$work/err" || rc=$?
        fi
        [ "$rc" -eq 1 ] || fail "DISPLAY='$display': status $rc instead of 1; said: $(cat "$work/err")"
        [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q 'no display could be opened' "$work/err" ||
            fail "DISPLAY='$display': expected one line about the display, got: $(cat "$work/err")"
        [ ! -s "$work/out" ] || fail "DISPLAY='$display': printed on standard output: $(cat "$work/out")"
    done
    # Wayland without an X display or Qt's Wayland plugin: the line names the package.
    compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland*' >/dev/null && echo "note: qt6-wayland is installed: not tried" ||
        [ "$(env -u DISPLAY WAYLAND_DISPLAY=none XDG_SESSION_TYPE=wayland "$app" 2>&1)" = "starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)" ] ||
        fail "Wayland without its plugin: $(env -u DISPLAY WAYLAND_DISPLAY=none "$app" 2>&1)"
    # In the user's language, though no translator is installed yet.
    [ "$(env -u DISPLAY -u XDG_SESSION_TYPE LC_ALL=C.UTF-8 LANGUAGE=de "$app" 2>&1)" = "starkindle: es konnte keine Anzeige geöffnet werden (DISPLAY ist nicht gesetzt); starten Sie das Programm in einer grafischen Sitzung" ] ||
        fail "no display in German: $(env -u DISPLAY -u XDG_SESSION_TYPE LC_ALL=C.UTF-8 LANGUAGE=de "$app" 2>&1)"
    ;;

command_line)
    # Columns: arguments, status, first line of output, first line of errors.
    usage='Usage: starkindle [OPTION]...'
    # The years come from src/astro/Years.h, through CTest.
    refused() { echo "starkindle: '$1' is not a date from $Earliest-01-01 to $Latest-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)"; }
    while IFS='|' read -r args want_rc want_out want_err; do
        rc=0
        timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY "$app" $args >"$work/out" 2>"$work/err" || rc=$? # split on purpose
        [ "$rc" -eq "$want_rc" ] && [ "$(head -1 "$work/out")" = "$want_out" ] && [ "$(head -1 "$work/err")" = "$want_err" ] ||
            fail "'$args': status $rc (expected $want_rc); out: $(cat "$work/out"); err: $(cat "$work/err")"
        case "$args" in
        --sign*) ;;
        *) [ "$want_rc" -ne 2 ] || { [ "$(sed -n 2p "$work/err")" = "Try 'starkindle --help' for more information." ] && [ "$(wc -l <"$work/err")" -eq 2 ]; } ||
            fail "'$args': not one line and where to read more" ;;
        esac
    done <<ROWS
--help|0|$usage|
--version|0|starkindle $Version|
-reverse --version|0|starkindle $Version|
--bogus|2||starkindle: unrecognized option '--bogus'
-platform xcb -x|2||starkindle: unrecognized option '-x'
-platform|2||starkindle: option '-platform' needs a value
stray|2||starkindle: unexpected argument 'stray'
--sign $((FirstYear - 1))-12-31 $FirstYear-01-01|0|$((FirstYear - 1))-12-31 Scorpio|
--sign 2000-02-29|0|2000-02-29 Capricorn|
--sign 1965-03-15 $Earliest-02-29|2|1965-03-15 Aquarius|$(refused $Earliest-02-29)
--sign $Latest-02-29|2||$(refused $Latest-02-29)
--sign $((Earliest - 1))-12-31|2||$(refused $((Earliest - 1))-12-31)
--sign 1943-09-31|2||$(refused 1943-09-31)
--sign 1965-3-15|2||$(refused 1965-3-15)
--sign 2035-02-23T11:58Z|0|2035-02-23T11:58Z Scorpio|
--sign 2035-02-23T11:59Z|0|2035-02-23T11:59Z Sagittarius|
--sign 2035-02-23T12:58+01:00|0|2035-02-23T12:58+01:00 Scorpio|
--sign 2035-02-23T06:59-05:00|0|2035-02-23T06:59-05:00 Sagittarius|
--sign 1951-11-21T00:00-12:00|0|1951-11-21T00:00-12:00 Aries|
--sign $Earliest-01-01T00:30+01:00|2||starkindle: '$Earliest-01-01T00:30+01:00' is not a moment from $Earliest-01-01T00:00Z to $Latest-12-31T23:59Z
--sign 2035-02-23T24:00Z|2||$(refused 2035-02-23T24:00Z)
--sign 2035-02-23T11:59+19:00|2||$(refused 2035-02-23T11:59+19:00)
--sign 2035-02-23 11:59|2|2035-02-23 Sagittarius|$(refused 11:59)
--sign|2||starkindle: option '--sign' needs at least one date
--sign=2000-02-29|0|2000-02-29 Capricorn|
--sign 2000-02-29 --version|0|starkindle $Version|
--sign -- 2000-02-29|0|2000-02-29 Capricorn|
--sign 2035-02-23 --zone Pacific/Kiritimati|0|2035-02-23 Scorpio|
--sign 2035-02-24 --zone=Pacific/Kiritimati|0|2035-02-24 Scorpio Sagittarius 01:59|
--zone Pacific/Kiritimati --sign 2035-02-24T01:58 2035-02-24T01:59|0|2035-02-24T01:58 Scorpio|
--sign 1944-06-06T01:30 --zone Europe/London|0|1944-06-06T01:30 Aries|
--sign 2011-12-30 --zone Pacific/Apia|2||starkindle: '2011-12-30' is a day this time zone skipped
--sign 2021-11-07T01:30 --zone America/New_York|0|2021-11-07T01:30 Capricorn|
--sign 2000-01-01 --zone Foo/Bar|2||starkindle: 'Foo/Bar' is not a time zone (AREA/CITY, such as Europe/London)
--sign 1944-06-06T10:00 --place london|0|1944-06-06T10:00 Aries (London, GB)|
--sign 2035-02-24 --place kiritimati|0|2035-02-24 Scorpio Sagittarius 01:59 (Kiritimati, KI)|
--sign 2000-01-01 --place Xyzzy|2||starkindle: no place called 'Xyzzy' is known
--zone Europe/London|2||starkindle: options '--zone', '--place', '--json' and '--csv' go with '--sign'
--sign 2000-01-01 --zone|2||starkindle: option '--zone' needs a value
--sign --json 1979-09-15|0|{"input":"1979-09-15","utc":"1979-09-15T12:00:00Z","sign":"Pisces","longitude":313.153669,"degree":"13°09′","retrograde":true,"source":"table","zone":"UTC","offset":"+00:00","sky_sign":"Aquarius"}|
--json --sign 1944-06-06T10:00 --zone Europe/London|0|{"input":"1944-06-06T10:00","utc":"1944-06-06T08:00:00Z","sign":"Aries","longitude":0.662106,"degree":"0°39′","retrograde":false,"source":"table","zone":"Europe/London","offset":"+02:00"}|
--csv --sign 2035-02-24 --place kiritimati|0|input,utc,sign,longitude,degree,retrograde,source,zone,offset,sky_sign,later_sign,change,place|
ROWS
    # One line per date, in the order given, the table's years and the
    # ephemeris's alike.
    [ "$("$app" --sign 1931-01-30 1951-11-13 1951-11-21 2100-12-31 | tr '\n' ' ')" = "1931-01-30 $("$app" --sign 1931-01-30 | cut -d' ' -f2) 1951-11-13 Pisces 1951-11-21 Aries 2100-12-31 $("$app" --sign 2100-12-31 | cut -d' ' -f2) " ] ||
        fail "--sign with several dates: $("$app" --sign 1931-01-30 1951-11-13 1951-11-21 2100-12-31 2>&1)"
    # --help and the errors speak the first of the user's languages we
    # have, whatever its region (LANGUAGE only where the locale is not C
    # or POSIX, as with gettext); --sign never does.
    while IFS='|' read -r environment want; do
        [ "$(env -u LC_ALL $environment "$app" --help | head -1)" = "$want" ] || # split on purpose
            fail "--help with $environment: $(env -u LC_ALL $environment "$app" --help 2>&1 | head -1)"
    done <<ROWS
LANGUAGE=de LANG=C.UTF-8|Aufruf: starkindle [OPTION]...
LANGUAGE=de LANG=C|$usage
LANGUAGE=fr LC_ALL=POSIX LANG=fr_FR.UTF-8|$usage
LANG=fr_CA.UTF-8|Syntaxe : starkindle [OPTION]...
LC_MESSAGES=es_MX.UTF-8 LANG=de_DE.UTF-8|Uso: starkindle [OPCIÓN]...
LANGUAGE=en:de LANG=de_DE.UTF-8|$usage
LANG=pt_PT.UTF-8|Uso: starkindle [OPÇÃO]...
LANGUAGE=pt_PT:pt LANG=pt_PT.UTF-8|Uso: starkindle [OPÇÃO]...
LANG=ru_RU.UTF-8|Использование: starkindle [ПАРАМЕТР]...
LANG=de_AT.UTF-8|Aufruf: starkindle [OPTION]...
LANGUAGE=pt_PT:de LANG=C.UTF-8|Uso: starkindle [OPÇÃO]...
LANGUAGE=eo:fr_BE LANG=C.UTF-8|Syntaxe : starkindle [OPTION]...
LANGUAGE=de LC_ALL= LANG=C.UTF-8|Aufruf: starkindle [OPTION]...
LANGUAGE=de LC_MESSAGES=POSIX LANG=de_DE.UTF-8|$usage
ROWS
    [ "$(LANGUAGE=de "$app" --sign 1965-03-15 2>&1)" = "1965-03-15 Aquarius" ] || fail "--sign in German: $(LANGUAGE=de "$app" --sign 1965-03-15 2>&1)"
    [ "$(LANGUAGE=es "$app" --sign 1965 2>&1)" = "starkindle: «1965» no es una fecha entre $Earliest-01-01 y $Latest-12-31 (AAAA-MM-DD, opcionalmente con THH:MM y Z, +HH:MM o -HH:MM)" ] ||
        fail "an error in Spanish: $(LANGUAGE=es "$app" --sign 1965 2>&1)"
    # A time without an offset is read in TZ's zone. Made-up zone AAA/BBB:
    # summer time ends on 23 February (day 54) at 13:00, so 12:00-12:59
    # happens twice, around Eros's change of sign at 11:58 UT.
    signs() { { env TZ="$1" "$app" --sign "${@:2}" 2>"$work/zone-err" || true; cat "$work/zone-err"; } | tr '\n' ' '; }
    [ "$(signs Europe/Paris 2035-02-23T12:58 2035-02-23T12:59)" = "2035-02-23T12:58 Scorpio 2035-02-23T12:59 Sagittarius " ] ||
        fail "--sign in TZ's zone: $(signs Europe/Paris 2035-02-23T12:58 2035-02-23T12:59)"
    [ "$(signs Europe/Paris 2021-03-28T02:30)" = "starkindle: '2021-03-28T02:30' is a local time the clocks skip in this time zone " ] ||
        fail "--sign in the hour the clocks skip: $(signs Europe/Paris 2021-03-28T02:30)"
    [ "$(signs AAA-1BBB,J1/0,J54/13 2035-02-23T12:58 2035-02-23T12:59)" = "2035-02-23T12:58 Scorpio starkindle: '2035-02-23T12:59' happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM) " ] ||
        fail "--sign in the hour the clocks repeat: $(signs AAA-1BBB,J1/0,J54/13 2035-02-23T12:58 2035-02-23T12:59)"
    # A TZ that names no zone is never taken silently as UT.
    [ "$(signs Foo/Bar 2035-02-23T12:58 2035-02-23)" = "2035-02-23 Sagittarius starkindle: TZ='Foo/Bar' names no time zone: use --zone AREA/CITY, or give the time's UTC offset " ] ||
        fail "--sign under TZ=Foo/Bar: $(signs Foo/Bar 2035-02-23T12:58 2035-02-23)"
    # From standard input, one a line (CR LF and blanks around it too, blank
    # lines skipped); the answers are the same
    # bytes in every locale, the refusal in the user's language.
    rc=0
    printf '  1965-03-15 \r\n\n \nbad\n2035-02-23T11:59Z' | LC_ALL=C.UTF-8 LANGUAGE=de "$app" --sign 2000-02-29 - >"$work/out" 2>"$work/err" || rc=$?
    [ "$rc" -eq 2 ] && [ "$(tr '\n' ' ' <"$work/out")" = "2000-02-29 Capricorn 1965-03-15 Aquarius 2035-02-23T11:59Z Sagittarius " ] &&
        [ "$(cat "$work/err")" = "starkindle: „bad“ ist kein Datum von $Earliest-01-01 bis $Latest-12-31 (JJJJ-MM-TT, wahlweise mit THH:MM und Z, +HH:MM oder -HH:MM)" ] || fail "--sign -: status $rc; out: $(cat "$work/out"); err: $(cat "$work/err")"
    # Output that cannot be written is an error (a full disk); a reader that
    # went away ends it quietly, as for the system's own tools.
    rc=0
    "$app" --sign 2000-01-01 >/dev/full 2>"$work/err" || rc=$?
    [ "$rc" -eq 1 ] && grep -q "^starkindle: cannot write the answer: " "$work/err" || fail "--sign >/dev/full: status $rc, $(cat "$work/err")"
    rc=$(set +o pipefail; yes 2000-01-01 | head -100000 | { "$app" --sign - 2>"$work/err"; echo $? >"$work/rc"; } | head -1 >/dev/null; cat "$work/rc")
    [ "$rc" -eq 141 ] && [ ! -s "$work/err" ] || fail "--sign into a closed pipe: status $rc, $(cat "$work/err")"
    # Qt's own options still reach Qt: the display named by -display alone.
    start_to_main_window bash -c 'exec env -u DISPLAY "$0" -display '"$DISPLAY"' -style=fusion'
    ;;

*)
    echo "unknown case: $case_name" >&2
    exit 2
    ;;
esac

echo "PASS [$case_name]"
