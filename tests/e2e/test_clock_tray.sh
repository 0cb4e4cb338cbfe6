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

start_tray() {
    background trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 24
    TRAY_PID=$LAST_PID
    sleep 0.5
}
start_tray

found_tray_icon() { TRAY_ICON=$(tray_icon); }
no_tray_icon() { ! tray_icon >/dev/null; }
wait_for_tray_icon() { wait_until "no tray icon" found_tray_icon; }
wait_no_tray_icon() { wait_until "the tray icon stayed" no_tray_icon; }
# Viewable windows of the clock other than the clock and its tray icon: its
# menus and tooltips.
other_windows() {
    local id
    for id in $(xdotool search --pid "$CLOCK_PID" 2>/dev/null); do
        [ "$id" = "$CLOCK_WINDOW" ] || [ "$id" = "$TRAY_ICON" ] && continue
        xwininfo -id "$id" | grep -q IsViewable && echo "$id"
    done
}
some_other_window() { [ -n "$(other_windows)" ]; }
no_other_window() { [ -z "$(other_windows)" ]; }
wait_for_other_window() { wait_until "no $1" some_other_window; } # what
wait_no_other_window() { wait_until "the $1 stayed" no_other_window; } # what
icon_picture() { # file
    local geometry
    geometry=$(xwininfo -id "$TRAY_ICON" | awk '/Absolute upper-left X/{x=$4}
        /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{printf "%dx%d+%d+%d", w, h, x, y}')
    import -window root -crop "$geometry" +repage "$1"
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

# A live miniature over the tray's own background: mostly white dial, the
# corner the tray's colour, a new picture as the seconds pass.
icon_picture "$CLOCK_WORK/icon1.png"
sleep 1.1
icon_picture "$CLOCK_WORK/icon2.png"
keep_picture "$CLOCK_WORK/icon1.png" tray-icon.png
white=$(convert "$CLOCK_WORK/icon1.png" -fuzz 8% -fill black +opaque white -fill white -opaque white \
    -colorspace gray -format '%[fx:mean]' info:)
awk -v w="$white" 'BEGIN{exit !(w > 0.35)}' || fail "the tray icon is not a white dial ($white white)"
corner=$(convert "$CLOCK_WORK/icon1.png" -crop 1x1+0+0 -depth 8 txt:- | awk 'NR==2{print $3}')
read -r ix iy <<<"$(window_centre "$TRAY_ICON")"
tray_colour=$(convert "$CLOCK_WORK/tray.png" -crop "1x1+$((ix - 40))+$iy" -depth 8 txt:- | awk 'NR==2{print $3}')
[ "$corner" = "$tray_colour" ] || fail "icon corner $corner on a tray of $tray_colour"
[ "$(compare -metric AE "$CLOCK_WORK/icon1.png" "$CLOCK_WORK/icon2.png" null: 2>&1)" != 0 ] ||
    fail "the tray icon did not change with the seconds"

# Resting on the icon brings the tooltip; moving away takes it down.
read -r tx ty <<<"$(window_centre "$TRAY_ICON")"
xdotool mousemove "$tx" "$ty"
wait_for_other_window "tooltip"
screenshot "$CLOCK_WORK/tooltip.png"
keep_picture "$CLOCK_WORK/tooltip.png" tray-tooltip.png
xdotool mousemove 400 300
wait_no_other_window "tooltip"

# The right button opens the tray menu; Escape closes it.
xdotool mousemove "$tx" "$ty" click 3
wait_for_other_window "tray menu"
screenshot "$CLOCK_WORK/menu.png"
keep_picture "$CLOCK_WORK/menu.png" tray-menu.png
xdotool key Escape
wait_no_other_window "tray menu"
xdotool mousemove 400 300

# The tray goes away and comes back: the icon leaves no window behind and
# returns to the new tray by itself.
kill "$TRAY_PID"
wait "$TRAY_PID" 2>/dev/null
wait_no_tray_icon
[ "$(map_state)" = IsUnMapped ] || fail "the clock showed when the tray went away"
start_tray
wait_for_tray_icon

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
