# Shared helpers of the clock's end-to-end tests. Each test sources this file
# with its own display number, gets a private copy of the program folder (so
# tikloom.ini writes stay in the test) and a private runtime folder (so the
# rendezvous socket never meets another test's clock), and leaves no process
# behind.

set -u

CLOCK_SOURCE_FOLDER=${1:?program folder}
# TIKLOOM_E2E_DISPLAY_OFFSET moves every test's display, so that two test runs
# on one machine (two checkouts) do not meet on the same X server.
CLOCK_DISPLAY_NUMBER=$((${2:?display number} + ${TIKLOOM_E2E_DISPLAY_OFFSET:-0}))
CLOCK_WORK=$(mktemp -d /tmp/tikloom-e2e.XXXXXX)
CLOCK_FOLDER=$CLOCK_WORK/app/
CLOCK_PIDS=()
cp -r "$CLOCK_SOURCE_FOLDER" "$CLOCK_WORK/app"
rm -f "$CLOCK_FOLDER/tikloom.ini"
export XDG_RUNTIME_DIR=$CLOCK_WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export DISPLAY=:$CLOCK_DISPLAY_NUMBER
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# A desktop's own session bus would bring its StatusNotifier tray into the
# test; a test that wants one runs its own bus.
[ -n "${TIKLOOM_E2E_PRIVATE_BUS:-}" ] || unset DBUS_SESSION_BUS_ADDRESS
export LANG=C.UTF-8 LC_ALL=C.UTF-8

clock_cleanup() {
    local pid
    for pid in "${CLOCK_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${CLOCK_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$CLOCK_WORK"
}
trap clock_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    tail -20 "$CLOCK_WORK/background.log" >&2
    exit 1
}

# Runs a background program and remembers it for the clean-up.
background() {
    "$@" >>"$CLOCK_WORK/background.log" 2>&1 &
    CLOCK_PIDS+=($!)
    LAST_PID=$!
}

start_display() {
    local size=${1:-800x600x24}
    local i
    # A server of an earlier run on this display may still be going away.
    for i in $(seq 50); do
        [ -e "/tmp/.X$CLOCK_DISPLAY_NUMBER-lock" ] || break
        sleep 0.1
    done
    background Xvfb "$DISPLAY" -screen 0 "$size" -nolisten tcp -noreset
    for i in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb $DISPLAY did not start"
}

write_ini() {
    printf '%b' "$1" >"$CLOCK_FOLDER/tikloom.ini"
}

ini_value() { # section key
    awk -F= -v s="[$1]" -v k="$2" '$0==s{inside=1;next} /^\[/{inside=0} inside&&$1==k{print $2}' \
        "$CLOCK_FOLDER/tikloom.ini" | tr -d '\r'
}

start_clock() {
    background "$CLOCK_FOLDER/tikloom"
    CLOCK_PID=$LAST_PID
}

# The window of the clock started last: its 128 x 128 window (its tray icon
# has the same class and process), or CLOCK_SIDE device pixels on a side on a
# scaled screen.
clock_window() {
    local id side=${CLOCK_SIDE:-128}
    for id in $(xdotool search --pid "$CLOCK_PID" --class '^Tikloom$' 2>/dev/null); do
        if xwininfo -id "$id" | grep -q "Width: $side\$" && xwininfo -id "$id" | grep -q "Height: $side\$"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

wait_for_clock() {
    local i
    for i in $(seq 100); do
        CLOCK_WINDOW=$(clock_window) && [ "$(map_state)" = IsViewable ] && return 0
        sleep 0.1
    done
    fail "the clock window did not appear"
}

map_state() {
    xwininfo -id "$CLOCK_WINDOW" | awk '/Map State/{print $3}'
}

wait_for_map_state() { # state
    local i
    for i in $(seq 60); do
        [ "$(map_state)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "clock window not $1 (is $(map_state))"
}

clock_position() {
    xwininfo -id "$CLOCK_WINDOW" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x","y}'
}

# Waits until process $1 has ended; its exit code in EXITED_CODE.
wait_for_exit() {
    local i
    for i in $(seq 100); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            EXITED_CODE=$?
            return 0
        fi
        sleep 0.1
    done
    fail "process $1 did not end"
}

screenshot() { # file
    import -window root "$1"
}

# "r g b" of one screen pixel.
pixel() { # x y
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR==2{print $2}' |
        tr -d '()' | awk -F, '{print $1, $2, $3}'
}

# Saves a picture for a person to look at when TIKLOOM_E2E_KEEP names a folder.
keep_picture() { # file name
    if [ -n "${TIKLOOM_E2E_KEEP:-}" ]; then
        mkdir -p "$TIKLOOM_E2E_KEEP"
        cp "$1" "$TIKLOOM_E2E_KEEP/$2"
    fi
}

# Holds a key for a while in the background. (An X test client's keys are
# released when it disconnects, so the holding client must stay.)
hold_key() { # key seconds
    background xdotool keydown "$1" sleep "$2" keyup "$1"
    HOLD_PID=$LAST_PID
    sleep 0.3
}

# Tries a check every 0.1 s for up to 5 s; fails with the message if it never holds.
wait_until() { # message, check...
    local i
    for i in $(seq 50); do
        "${@:2}" >/dev/null && return 0
        sleep 0.1
    done
    fail "$1"
}

# The clock's icon window in an XEmbed tray: its other, small, mapped window.
tray_icon() {
    local id
    for id in $(xdotool search --pid "$CLOCK_PID" --class '^Tikloom$' 2>/dev/null); do
        [ "$id" = "$CLOCK_WINDOW" ] && continue
        xwininfo -id "$id" | grep -q IsViewable && echo "$id" && return 0
    done
    return 1
}
