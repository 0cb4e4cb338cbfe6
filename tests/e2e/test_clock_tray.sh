#!/bin/bash
# Minimise to the tray (Ctrl + double click, the hot key) and restore (double
# click on the tray icon, the hot key); Exit while minimised saves it, so the
# next start is minimised again; a second start leaves it minimised.
source "$(dirname "$0")/lib_clock.sh" "$1" 184
start_display 800x600x24

# No system tray yet: Minimize leaves the clock on the desktop.
write_ini '[Window]\nLeft=200\nTop=200\nMinimized=0\n'
start_clock
wait_for_clock
xdotool mousemove 264 264 keydown ctrl sleep 0.4 click --repeat 2 --delay 80 1 sleep 0.1 keyup ctrl
sleep 0.5
[ "$(map_state)" = IsViewable ] || fail "minimised without a system tray"
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Minimized)" = 0 ] || fail "Minimized saved without a tray"

background trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 24
sleep 0.5

# The tray icon: the clock's other, small, mapped window.
tray_icon() {
    local id
    for id in $(xdotool search --pid "$CLOCK_PID" --class '^Tikloom$' 2>/dev/null); do
        [ "$id" = "$CLOCK_WINDOW" ] && continue
        xwininfo -id "$id" | grep -q IsViewable && echo "$id" && return 0
    done
    return 1
}
wait_for_tray_icon() {
    for i in $(seq 50); do
        TRAY_ICON=$(tray_icon) && return 0
        sleep 0.1
    done
    fail "no tray icon"
}
wait_no_tray_icon() {
    for i in $(seq 50); do
        tray_icon >/dev/null || return 0
        sleep 0.1
    done
    fail "the tray icon stayed"
}
window_centre() { # id
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width/{w=$2} /Height/{h=$2} END{print x+int(w/2), y+int(h/2)}'
}

write_ini '[Window]\nLeft=200\nTop=200\nMinimized=0\n'
start_clock
wait_for_clock
xdotool mousemove 700 500
sleep 0.3

# Ctrl + double click on the clock: a tray icon, and the window fades out.
xdotool mousemove 264 264 keydown ctrl sleep 0.4 click --repeat 2 --delay 80 1 sleep 0.1 keyup ctrl
wait_for_tray_icon
wait_for_map_state IsUnMapped
screenshot "$CLOCK_WORK/tray.png"
keep_picture "$CLOCK_WORK/tray.png" tray.png

# A second start while minimised: reload only; the clock stays in the tray.
"$CLOCK_FOLDER/tikloom" || fail "second start while minimised failed"
sleep 0.3
[ "$(map_state)" = IsUnMapped ] || fail "second start showed the minimised clock"

# Double click on the tray icon: the clock comes back at the same place.
read -r tx ty <<<"$(window_centre "$TRAY_ICON")"
xdotool mousemove "$tx" "$ty" click --repeat 2 --delay 80 1
wait_for_map_state IsViewable
wait_no_tray_icon
[ "$(clock_position)" = "200,200" ] || fail "restored at $(clock_position)"

# The hot key (Win+C by default) minimises and restores.
xdotool mousemove 700 500 key super+c
wait_for_tray_icon
wait_for_map_state IsUnMapped
xdotool key super+c
wait_for_map_state IsViewable

# Exit while minimised (here: SIGTERM) saves Minimized=1; the next start stays in the tray.
xdotool key super+c
wait_for_map_state IsUnMapped
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Minimized)" = 1 ] || fail "Minimized not saved"
[ "$(ini_value Window Left),$(ini_value Window Top)" = "200,200" ] || fail "hidden position not saved"
start_clock
CLOCK_WINDOW=
wait_for_tray_icon
sleep 0.5
for id in $(xdotool search --pid "$CLOCK_PID" --class '^Tikloom$'); do
    if xwininfo -id "$id" | grep -q 'Width: 128'; then
        xwininfo -id "$id" | grep -q IsViewable && fail "a minimised start showed the clock"
    fi
done
echo PASS
