#!/bin/bash
# Start position: from tikloom.ini, back at (10, 10) while Shift is held or
# when the saved place lies on no monitor; SIGTERM saves [Window]; a first
# start without a settings file leaves exactly the [Window] section.
source "$(dirname "$0")/lib_clock.sh" "$1" 181
start_display 800x600x24

# No settings file: (10, 10), and SIGTERM writes exactly [Window].
start_clock
wait_for_clock
[ "$(clock_position)" = "10,10" ] || fail "default position is $(clock_position)"
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$EXITED_CODE" = 0 ] || fail "SIGTERM exit code $EXITED_CODE"
expected=$'[Window]\nLeft=10\nTop=10\nMinimized=0'
[ "$(tr -d '\r' <"$CLOCK_FOLDER/tikloom.ini" | sed '/^$/d')" = "$expected" ] ||
    fail "settings after the first exit: $(cat "$CLOCK_FOLDER/tikloom.ini")"

# A saved position is used; extra [Window] keys vanish, [Options] keys stay.
write_ini '[Window]\nLeft=300\nTop=200\nExtra=1\n[Options]\nHighQualitySmoothing=1\nMine=7\n'
start_clock
wait_for_clock
[ "$(clock_position)" = "300,200" ] || fail "saved position gives $(clock_position)"
kill -HUP "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Left)" = 300 ] || fail "Left not saved at SIGHUP"
[ -z "$(ini_value Window Extra)" ] || fail "extra key survived in [Window]"
[ "$(ini_value Options Mine)" = 7 ] || fail "[Options] key lost"

# Shift held at start: (10, 10) whatever the file says; the file is untouched until exit.
hold_key shift 1
start_clock
wait_for_clock
wait "$HOLD_PID"
[ "$(clock_position)" = "10,10" ] || fail "Shift start at $(clock_position)"
[ "$(ini_value Window Left)" = 300 ] || fail "Shift start wrote the settings"
kill -INT "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Left)" = 10 ] || fail "reset position not saved at exit"

# A position on no monitor (a monitor since unplugged): (10, 10).
write_ini '[Window]\nLeft=2500\nTop=-900\nMinimized=0\n'
start_clock
wait_for_clock
[ "$(clock_position)" = "10,10" ] || fail "off-monitor position gives $(clock_position)"
# Half off the screen but the centre on it: stays.
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
write_ini '[Window]\nLeft=-60\nTop=530\nMinimized=0\n'
start_clock
wait_for_clock
[ "$(clock_position)" = "-60,530" ] || fail "centre-on-monitor position gives $(clock_position)"
echo PASS
