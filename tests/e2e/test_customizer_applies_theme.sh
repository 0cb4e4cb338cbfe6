#!/usr/bin/env bash
# End to end, under its own Xvfb: choosing a theme in the customizer changes
# the running clock's face at once; with no clock running, the choice starts
# the clock. Argument: the program folder (the build's bin/), which is copied
# to a temporary folder first. Screenshots land in <build>/e2e-artifacts/.
set -u

BIN="${1:?usage: $0 <program folder>}"
BIN="$(cd "$BIN" && pwd)"
# This script's display number; the next free one when another server holds it.
FIRST_DISPLAY_NUMBER=$((73 + ${TIKLOOM_E2E_DISPLAY_OFFSET:-0}))

if [ ! -x "$BIN/tikloom" ]; then
    echo "skipped: $BIN/tikloom does not exist"
    exit 0
fi
if [ ! -x "$BIN/tikstyle" ]; then
    echo "FAIL: $BIN/tikstyle does not exist"
    exit 1
fi

WORK="$(mktemp -d /tmp/tikloom-e2e-customizer.XXXXXX)"
PROG="$WORK/prog"
ARTIFACTS="$(dirname "$BIN")/e2e-artifacts"
mkdir -p "$PROG" "$WORK/xdg" "$ARTIFACTS"
chmod 700 "$WORK/xdg"
cp -r "$BIN"/. "$PROG"/
printf '[Theme]\nFileName=default.tkm\n[Window]\nLeft=10\nTop=10\nMinimized=0\n' >"$PROG/tikloom.ini"

# Private display and private sockets: nothing here meets another clock.
export XDG_RUNTIME_DIR="$WORK/xdg"
unset QT_QPA_PLATFORM

XVFB_PID=""
CLOCK_PID=""
STYLE_PID=""
cleanup() {
    for pid in $STYLE_PID $CLOCK_PID $(started_clock_pids); do
        kill "$pid" 2>/dev/null
    done
    sleep 0.5
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Clocks started by the customizer from the copied folder (their full path is unique).
started_clock_pids() {
    pgrep -f "^$PROG/tikloom\$" 2>/dev/null
}

# Waits up to $1 tenths of a second for "$2 ..." to succeed.
wait_for() {
    local tenths="$1"
    shift
    for _ in $(seq "$tenths"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

window_of_class() {
    xdotool search --onlyvisible --class "^$1\$" 2>/dev/null | head -1
}

has_window() {
    [ -n "$(window_of_class "$1")" ]
}

theme_file_name() {
    sed -n 's/^FileName=//p' "$PROG/tikloom.ini" | head -1
}

theme_is_not() {
    [ "$(theme_file_name)" != "$1" ]
}

# Screenshot of the clock window's square into $1.
shoot_clock() {
    local window x y
    window="$(window_of_class Tikloom)"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    x="$X"
    y="$Y"
    import -window root -crop "128x128+$x+$y" +repage "$1"
    import -window root "${1%.png}_screen.png"
}

differing_pixels() {
    compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

xvfb_alive() {
    kill -0 "$XVFB_PID" 2>/dev/null && xdotool getdisplaygeometry
}
for number in $(seq "$FIRST_DISPLAY_NUMBER" $((FIRST_DISPLAY_NUMBER + 20))); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    export DISPLAY=":$number"
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    sleep 0.5
    wait_for 50 xvfb_alive && break
    kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
done
[ -n "$XVFB_PID" ] || fail "no display for Xvfb"

# 1. The clock runs; the customizer shows the theme list.
(cd "$PROG" && exec ./tikloom) >"$WORK/clock.log" 2>&1 &
CLOCK_PID=$!
wait_for 100 has_window Tikloom || fail "the clock window did not appear"
"$PROG/tikstyle" >"$WORK/tikstyle.log" 2>&1 &
STYLE_PID=$!
wait_for 100 has_window TTikloomCustomizer || fail "the customizer window did not appear"
sleep 1

shoot_clock "$ARTIFACTS/customizer_clock_before.png"
sleep 1.1
shoot_clock "$ARTIFACTS/customizer_clock_before_one_second_later.png"
noise="$(differing_pixels "$ARTIFACTS/customizer_clock_before.png" \
    "$ARTIFACTS/customizer_clock_before_one_second_later.png")"

# 2. Choose the last theme of the list with the keyboard.
eval "$(xdotool getwindowgeometry --shell "$(window_of_class TTikloomCustomizer)")"
xdotool mousemove $((X + 70)) $((Y + 400)) click 1
sleep 0.3
xdotool key End
wait_for 50 theme_is_not default.tkm || fail "selecting a theme did not change tikloom.ini"
chosen="$(theme_file_name)"
sleep 1
shoot_clock "$ARTIFACTS/customizer_clock_after.png"
changed="$(differing_pixels "$ARTIFACTS/customizer_clock_before.png" \
    "$ARTIFACTS/customizer_clock_after.png")"
echo "theme $chosen: $changed pixels changed (the running clock alone: $noise)"
[ "$changed" -gt 1000 ] && [ "$changed" -gt $((noise * 3)) ] ||
    fail "the clock's face did not change after choosing $chosen"

# 3. With no clock running, a choice starts the clock.
kill "$CLOCK_PID"
wait "$CLOCK_PID" 2>/dev/null
CLOCK_PID=""
wait_for 50 bash -c "! xdotool search --class '^Tikloom\$'" || fail "the clock did not end"
xdotool key Home
wait_for 50 theme_is_not "$chosen" || fail "choosing the default theme did not change tikloom.ini"
[ "$(theme_file_name)" = ".tkm" ] || fail "the default theme wrote '$(theme_file_name)'"
wait_for 100 has_window Tikloom || fail "choosing a theme did not start the clock"
[ -n "$(started_clock_pids)" ] || fail "no clock process from $PROG"
sleep 1
shoot_clock "$ARTIFACTS/customizer_clock_started.png"

# 4. A second customizer gives way to the first with exit code 1.
timeout 20 "$PROG/tikstyle" >"$WORK/tikstyle2.log" 2>&1
second=$?
[ "$second" -eq 1 ] || fail "a second customizer ended with $second, not 1"
[ "$(xdotool search --onlyvisible --class '^TTikloomCustomizer$' | wc -l)" -eq 1 ] ||
    fail "more than one customizer window"
echo "PASS: the running clock follows the choice, a choice starts a missing clock," \
    "and a second customizer gives way"
exit 0
