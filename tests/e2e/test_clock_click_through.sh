#!/bin/bash
# Clicks pass through the clock to the window beneath, except while Ctrl is
# held; even then a click on a transparent corner passes. Ctrl-drag moves the
# clock (with and without a window manager) and the place is saved at exit.
source "$(dirname "$0")/lib_clock.sh" "$1" 183
start_display 800x600x24

# A window beneath the clock that reports its button presses.
background stdbuf -oL xev -geometry 400x400+0+0 -event button
XEV_PID=$LAST_PID
for i in $(seq 50); do
    xdotool search --name "^Event Tester$" >/dev/null 2>&1 && break
    sleep 0.1
done
presses() { grep -c '^ButtonPress' "$CLOCK_WORK/background.log"; }

write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n'
start_clock
wait_for_clock
xdotool mousemove 700 500
sleep 0.3 # the first ticks make the clock click-through

before=$(presses)
xdotool mousemove 164 164 click 1
sleep 0.3
[ "$(presses)" = $((before + 1)) ] || fail "a plain click on the clock did not pass through"

before=$(presses)
xdotool keydown ctrl sleep 0.4 mousemove 160 170 click 1 sleep 0.2 keyup ctrl
sleep 0.3
[ "$(presses)" = "$before" ] || fail "a Ctrl-click on the face reached the window beneath"

before=$(presses)
xdotool mousemove 600 500 keydown ctrl sleep 0.4 mousemove 102 102 click 1 sleep 0.2 keyup ctrl
sleep 0.3
[ "$(presses)" = $((before + 1)) ] || fail "a Ctrl-click on a transparent corner was taken"

# Ctrl-drag without a window manager: the clock follows the pointer.
xdotool mousemove 164 164 keydown ctrl sleep 0.4 mousedown 1 sleep 0.1 \
    mousemove 180 170 sleep 0.1 mousemove 250 220 sleep 0.1 mousemove 300 260 sleep 0.2 \
    mouseup 1 sleep 0.2 keyup ctrl
sleep 0.3
[ "$(clock_position)" = "236,196" ] || fail "drag without a window manager ended at $(clock_position)"
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Left),$(ini_value Window Top)" = "236,196" ] ||
    fail "dragged position not saved: $(ini_value Window Left),$(ini_value Window Top)"

# Under a window manager too the clock follows the pointer.
background openbox
sleep 0.5
start_clock
wait_for_clock
sleep 0.3
xdotool mousemove 300 260 keydown ctrl sleep 0.4 mousedown 1 sleep 0.1 \
    mousemove 310 270 sleep 0.1 mousemove 400 330 sleep 0.1 mousemove 450 360 sleep 0.3 \
    mouseup 1 sleep 0.2 keyup ctrl
sleep 0.4
position=$(clock_position)
x=${position%,*}
y=${position#*,}
[ "$x" -gt 330 ] && [ "$y" -gt 250 ] || fail "drag under openbox ended at $position"
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Left),$(ini_value Window Top)" = "$position" ] ||
    fail "position under openbox not saved: $(ini_value Window Left),$(ini_value Window Top) vs $position"
echo PASS
