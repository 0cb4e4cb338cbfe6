#!/bin/bash
# Ctrl-drag under a window manager: the clock follows the pointer from the
# press point, so it ends at its start plus the pointer's travel; a Ctrl +
# double click still minimises it.
source "$(dirname "$0")/lib_clock.sh" "$1" 189
start_display 800x600x24
background openbox
sleep 0.5
background trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 24
sleep 0.5

write_ini '[Window]\nLeft=10\nTop=10\nMinimized=0\n'
start_clock
wait_for_clock
sleep 0.3
start=$(clock_position)

# Press at (74, 74) in the clock, drag to (300, 300) on the screen in steps.
press_x=$((${start%,*} + 74))
press_y=$((${start#*,} + 74))
xdotool mousemove "$press_x" "$press_y" keydown ctrl sleep 0.4 mousedown 1 sleep 0.1 \
    mousemove $((press_x + 3)) $((press_y + 3)) sleep 0.1 \
    mousemove $((press_x + 9)) $((press_y + 9)) sleep 0.1 \
    mousemove 150 150 sleep 0.1 mousemove 250 250 sleep 0.1 mousemove 300 300 sleep 0.3 \
    mouseup 1 sleep 0.2 keyup ctrl
sleep 0.4
expected="$((${start%,*} + 300 - press_x)),$((${start#*,} + 300 - press_y))"
[ "$(clock_position)" = "$expected" ] ||
    fail "dragged from $start by the pointer's travel to $expected, ended at $(clock_position)"

# The double click reaches the window: minimised to the tray.
xdotool mousemove 320 320 keydown ctrl sleep 0.4 click --repeat 2 --delay 80 1 sleep 0.1 keyup ctrl
sleep 1
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Minimized)" = 1 ] || fail "a Ctrl + double click did not minimise the clock"
[ "$(ini_value Window Left),$(ini_value Window Top)" = "$expected" ] ||
    fail "dragged position not saved: $(ini_value Window Left),$(ini_value Window Top)"
echo PASS
