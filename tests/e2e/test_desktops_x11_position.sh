#!/bin/bash
# Under i3, which offsets a floating window by its decoration, the position
# in [Window] is the one the clock asked for: three starts and exits leave it
# as it was. A Ctrl-drag is saved even when the session ends by the X server
# going away, which ends the clock without the orderly exit.
source "$(dirname "$0")/lib_clock.sh" "$1" 58
start_display 800x600x24
XVFB_PID=$LAST_PID
cat >"$CLOCK_WORK/i3.config" <<'CONFIG'
font -misc-fixed-medium-r-normal--13-120-75-75-C-70-iso10646-1
for_window [class="^Tikloom$"] floating enable
CONFIG
background i3 -c "$CLOCK_WORK/i3.config"
sleep 1

# Clicks pass through the clock unless Ctrl is held; so far away from it
# that it stays at its highest opacity.
xdotool mousemove 790 590
write_ini '[Window]\nLeft=400\nTop=300\nMinimized=0\n'
for start in 1 2 3; do
    start_clock
    wait_for_clock
    sleep 0.5
    [ "$start" = 1 ] && first_place=$(clock_position) && echo "i3 shows the clock asked for at 400,300 at $first_place"
    [ "$(clock_position)" = "$first_place" ] ||
        fail "start $start placed the clock at $(clock_position), the first at $first_place"
    kill -TERM "$CLOCK_PID"
    wait_for_exit "$CLOCK_PID"
    [ "$(ini_value Window Left),$(ini_value Window Top)" = 400,300 ] ||
        fail "after start $start (shown at $(clock_position)) saved $(ini_value Window Left),$(ini_value Window Top)"
done

# A Ctrl-drag by (+120, -90), then the X server dies.
start_clock
wait_for_clock
sleep 0.5
before=$(clock_position)
press_x=$((${before%,*} + 64))
press_y=$((${before#*,} + 80))
xdotool mousemove "$press_x" "$press_y" keydown ctrl sleep 0.4 mousedown 1 sleep 0.1 \
    mousemove $((press_x + 5)) $((press_y - 4)) sleep 0.1 \
    mousemove $((press_x + 40)) $((press_y - 30)) sleep 0.1 \
    mousemove $((press_x + 90)) $((press_y - 70)) sleep 0.1 \
    mousemove $((press_x + 120)) $((press_y - 90)) sleep 0.3 \
    mouseup 1 sleep 0.2 keyup ctrl
sleep 0.4
after=$(clock_position)
[ "$after" = "$((${before%,*} + 120)),$((${before#*,} - 90))" ] ||
    fail "dragged by (+120, -90) from $before, shown at $after"
screenshot "$CLOCK_WORK/i3-dragged.png"
keep_picture "$CLOCK_WORK/i3-dragged.png" i3-dragged.png
kill -KILL "$XVFB_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Left),$(ini_value Window Top)" = 520,210 ] ||
    fail "the X server went away after a drag to 520,210: saved $(ini_value Window Left),$(ini_value Window Top)"
echo PASS
