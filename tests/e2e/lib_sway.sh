# A real Wayland session for end-to-end tests: sway on its headless backend
# with XWayland, run as an unprivileged user (sway refuses root), with a
# private runtime folder. Sourced after lib_clock.sh; needs
# TIKLOOM_VIRTUAL_POINTER, the test pointer client (a headless seat has none).
#
# The clock, foot, grim and wtype run as that user inside the session
# (as_session_user); X clients get sway's XWayland display.

SWAY_USER=tikloom-e2e
SWAY_OUTPUT_SIZE=1280x1024
SWAY_HOME=$CLOCK_WORK/sway
# Tests skip, and say why, only when the machine cannot run sway at all.
SWAY_SKIP_STATUS=0

sway_skip() {
    echo "SKIP: $*"
    exit "$SWAY_SKIP_STATUS"
}

# The user exists already on a developer's machine; CI runs as root on a
# fresh one and makes it.
sway_make_user() {
    id "$SWAY_USER" >/dev/null 2>&1 && return 0
    [ "$(id -u)" = 0 ] || sway_skip "not root and no user $SWAY_USER to run sway as"
    useradd --system --create-home --home-dir "/var/lib/$SWAY_USER" --shell /usr/sbin/nologin \
        "$SWAY_USER" || fail "could not make the user $SWAY_USER"
}

# Everything the user runs lives in SWAY_HOME, readable by it; the clock's
# program folder becomes the user's so that it can write tikloom.ini.
sway_prepare_files() {
    local pointer=${TIKLOOM_VIRTUAL_POINTER:-}
    [ -x "$pointer" ] || fail "no virtual pointer client (TIKLOOM_VIRTUAL_POINTER='$pointer')"
    chmod 755 "$CLOCK_WORK"
    mkdir -p "$SWAY_HOME/run" "$SWAY_HOME/shots"
    cp "$pointer" "$SWAY_HOME/virtual_pointer"
    chown -R "$SWAY_USER" "$SWAY_HOME" "$CLOCK_WORK/app"
    chmod 700 "$SWAY_HOME/run"
    cat >"$SWAY_HOME/config" <<CONFIG
xwayland enable
output * resolution $SWAY_OUTPUT_SIZE position 0 0
default_border none
exec sh -c 'echo "\$DISPLAY" >$SWAY_HOME/display.tmp && mv $SWAY_HOME/display.tmp $SWAY_HOME/display'
CONFIG
}

# Runs a command as the session's user, in the session.
as_session_user() {
    runuser -u "$SWAY_USER" -- env -i PATH=/usr/bin:/bin HOME="$SWAY_HOME" \
        XDG_RUNTIME_DIR="$SWAY_HOME/run" WAYLAND_DISPLAY=wayland-1 DISPLAY="${SWAY_DISPLAY:-}" \
        SWAYSOCK="${SWAYSOCK:-}" LANG=C.UTF-8 LC_ALL=C.UTF-8 "$@"
}

start_sway() {
    local i
    command -v sway >/dev/null || fail "sway is not installed"
    sway_make_user
    sway_prepare_files
    background runuser -u "$SWAY_USER" -- env -i PATH=/usr/bin:/bin HOME="$SWAY_HOME" \
        XDG_RUNTIME_DIR="$SWAY_HOME/run" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman sway -c "$SWAY_HOME/config"
    SWAY_PID=$LAST_PID
    for i in $(seq 100); do
        [ -s "$SWAY_HOME/display" ] && break
        kill -0 "$SWAY_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$SWAY_HOME/display" ]; then
        # A sway that cannot make its headless output or its XWayland here
        # says so in its log; anything else is a failure of this test.
        if grep -qE 'Failed to create backend|Unable to create backend|Failed to start Xwayland' \
            "$CLOCK_WORK/background.log"; then
            sway_skip "sway cannot start on this machine: $(grep -m1 -E 'backend|Xwayland' \
                "$CLOCK_WORK/background.log")"
        fi
        fail "sway did not start"
    fi
    SWAY_DISPLAY=$(cat "$SWAY_HOME/display")
    SWAYSOCK=$(ls "$SWAY_HOME"/run/sway-ipc.*.sock)
    # The test's own X clients (xdotool, xwininfo) run as root: XWayland lets
    # in only its user unless told otherwise.
    as_session_user xhost +si:localuser:root >/dev/null || fail "XWayland did not start"
    export DISPLAY=$SWAY_DISPLAY
}

sway_msg() {
    as_session_user swaymsg "$@"
}

# Starts a program in the session, as its user, remembered for the clean-up.
session_background() {
    background as_session_user "$@"
}

virtual_pointer() {
    as_session_user "$SWAY_HOME/virtual_pointer" "$@"
}

# A screenshot of the whole output, as a PNG.
sway_screenshot() { # file
    as_session_user grim "$SWAY_HOME/shots/shot.png" && cp "$SWAY_HOME/shots/shot.png" "$1"
}

# Waits until sway shows a native window of this app id.
wait_for_native_window() { # app_id
    local i
    for i in $(seq 100); do
        sway_msg -t get_tree | grep -q "\"app_id\": \"$1\"" && sleep 0.5 && return 0
        sleep 0.1
    done
    fail "no $1 window in sway"
}

# One pointer device for the whole session, driven a command at a time (see
# virtual_pointer.c): every command returns once sway has handled it.
start_virtual_pointer() {
    coproc SWAY_POINTER { as_session_user "$SWAY_HOME/virtual_pointer" 2>>"$CLOCK_WORK/background.log"; }
    CLOCK_PIDS+=("$SWAY_POINTER_PID")
    SWAY_POINTER_IN=${SWAY_POINTER[1]}
    SWAY_POINTER_OUT=${SWAY_POINTER[0]}
}

pointer_command() {
    local answer
    echo "$*" >&"$SWAY_POINTER_IN" || return 1
    read -r -t 30 answer <&"$SWAY_POINTER_OUT" || return 1
    [ "$answer" = ok ]
}

point_at() { # x y
    pointer_command move-absolute "$1" "$2" || fail "the virtual pointer did not move"
}

# The clock runs as the session's user; CLOCK_PID is its own process id.
start_session_clock() {
    rm -f "$SWAY_HOME/clock.pid"
    session_background sh -c "echo \$\$ >$SWAY_HOME/clock.pid && exec $CLOCK_FOLDER/tikloom"
    local i
    for i in $(seq 50); do
        [ -s "$SWAY_HOME/clock.pid" ] && break
        sleep 0.1
    done
    CLOCK_PID=$(cat "$SWAY_HOME/clock.pid")
}

stop_session_clock() {
    kill -TERM "$CLOCK_PID"
    local i
    for i in $(seq 100); do
        kill -0 "$CLOCK_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "the clock did not end"
}
