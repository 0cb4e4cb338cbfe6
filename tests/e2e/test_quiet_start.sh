#!/bin/bash
# A normal start prints nothing: the clock and the customizer leave stderr
# empty, also with no language file for the user's locale (C, or none set).
source "$(dirname "$0")/lib_clock.sh" "$1" 190
start_display 800x600x24

check_quiet_start() { # description
    local err=$CLOCK_WORK/clock.err
    "$CLOCK_FOLDER/tikloom" 2>"$err" >/dev/null &
    CLOCK_PID=$!
    CLOCK_PIDS+=("$CLOCK_PID")
    wait_for_clock
    "$CLOCK_FOLDER/tikstyle" 2>"$CLOCK_WORK/customizer.err" >/dev/null &
    local customizer=$!
    CLOCK_PIDS+=("$customizer")
    local i
    for i in $(seq 100); do
        xdotool search --pid "$customizer" --name '^Tikloom Customizer$' >/dev/null 2>&1 && break
        sleep 0.1
    done
    sleep 1.5 # a few ticks of the clock
    kill -TERM "$customizer" "$CLOCK_PID"
    wait_for_exit "$CLOCK_PID"
    wait "$customizer" 2>/dev/null
    [ ! -s "$err" ] || fail "$1: the clock printed: $(cat "$err")"
    [ ! -s "$CLOCK_WORK/customizer.err" ] ||
        fail "$1: the customizer printed: $(cat "$CLOCK_WORK/customizer.err")"
}

check_quiet_start "C.UTF-8 locale"
unset LANG LC_ALL LC_MESSAGES
check_quiet_start "no locale set"
export LANG=xx_XX.UTF-8
check_quiet_start "an unknown locale"
echo PASS
