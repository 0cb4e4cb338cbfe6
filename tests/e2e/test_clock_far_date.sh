#!/bin/bash
# Past 2038-01-19 (the end of 32-bit time) the clock idles as on any other
# day: nothing it waits on is armed for a date that could lie behind it.
source "$(dirname "$0")/lib_clock.sh" "$1" 213
start_display 640x480x24
command -v faketime >/dev/null || fail "faketime is not installed"

MEASURE_SECONDS=4
MAX_CPU_PERCENT=25

write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
# The wall clock starts in 2040 and runs on from there. (faketime's library
# comes before a sanitizer build's runtime; the sanitizer is told that is fine.)
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
# File times stay real: shifted ones would make the font cache look stale
# and have it rebuilt, for this and every later program.
export NO_FAKE_STAT=1
background faketime -f '@2040-06-01 12:00:00' "$CLOCK_FOLDER/tikloom"
FAKETIME_PID=$LAST_PID
for i in $(seq 100); do
    CLOCK_PID=$(pgrep -P "$FAKETIME_PID" -x tikloom || echo "$FAKETIME_PID")
    [ "$(cat /proc/$CLOCK_PID/comm 2>/dev/null)" = tikloom ] && break
    sleep 0.1
done
wait_for_clock
sleep 1

cpu_ticks() { awk '{print $14 + $15}' "/proc/$CLOCK_PID/stat"; }
before=$(cpu_ticks)
sleep "$MEASURE_SECONDS"
after=$(cpu_ticks)
percent=$(( (after - before) * 100 / ($(getconf CLK_TCK) * MEASURE_SECONDS) ))
echo "clock CPU use in 2040: ${percent}%"
[ "$percent" -lt "$MAX_CPU_PERCENT" ] || fail "the clock spins at ${percent}% of a core in 2040"
kill -0 "$CLOCK_PID" || fail "the clock ended"
echo PASS
