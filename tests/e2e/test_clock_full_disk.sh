#!/bin/bash
# A save that cannot be finished (the disk is full) leaves tikloom.ini as it
# was, byte for byte, and no temporary file; the clock says nothing and ends
# normally. A file size limit stands in for the full disk: writes past it
# fail as they would on a full file system, and any user may set it.
source "$(dirname "$0")/lib_clock.sh" "$1" 215
start_display 640x480x24

LIMIT_KIB=4

# Settings larger than the limit, so that any rewrite of them must fail.
{
    printf '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
    for i in $(seq 120); do printf '; note %03d: kept as written, comments and all\n' "$i"; done
} >"$CLOCK_FOLDER/tikloom.ini"
[ "$(stat -c %s "$CLOCK_FOLDER/tikloom.ini")" -gt $((LIMIT_KIB * 1024)) ] || fail "settings too small"
cp "$CLOCK_FOLDER/tikloom.ini" "$CLOCK_WORK/before.ini"

# SIGXFSZ is ignored so that a write past the limit fails instead of killing.
(trap '' XFSZ && ulimit -f "$LIMIT_KIB" && exec "$CLOCK_FOLDER/tikloom") \
    >>"$CLOCK_WORK/background.log" 2>&1 &
CLOCK_PID=$!
CLOCK_PIDS+=("$CLOCK_PID")
wait_for_clock
# A new position, which the clock saves when it ends.
xdotool windowmove "$CLOCK_WINDOW" 160 140
sleep 0.5
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$EXITED_CODE" = 0 ] || fail "clock exit code $EXITED_CODE"
cmp "$CLOCK_WORK/before.ini" "$CLOCK_FOLDER/tikloom.ini" ||
    fail "tikloom.ini changed: $(stat -c %s "$CLOCK_FOLDER/tikloom.ini") bytes now"
leftovers=$(ls -A "$CLOCK_FOLDER" | grep -v -x -f <(ls -A "$CLOCK_SOURCE_FOLDER") | grep -v -x tikloom.ini)
[ -z "$leftovers" ] || fail "files left behind: $leftovers"
[ ! -s "$CLOCK_WORK/background.log" ] || fail "the clock printed: $(cat "$CLOCK_WORK/background.log")"

# Without the limit the same save lands whole.
start_clock
wait_for_clock
xdotool windowmove "$CLOCK_WINDOW" 160 140
sleep 0.5
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Left),$(ini_value Window Top)" = "160,140" ] ||
    fail "position not saved: $(ini_value Window Left),$(ini_value Window Top)"
[ "$(grep -c '^; note' "$CLOCK_FOLDER/tikloom.ini")" = 120 ] || fail "comments lost"
echo PASS
