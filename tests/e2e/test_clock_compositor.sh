#!/bin/bash
# Without a compositing manager the clock's outline is cut to its picture, so
# no black square shows; with one, the window's opacity follows the pointer
# (faint when near, solid while Ctrl is held). Switching the compositor on and
# off while the clock runs keeps both right.
source "$(dirname "$0")/lib_clock.sh" "$1" 185
start_display 640x400x24

# An orange desktop to see through the clock.
background xlogo -geometry 640x400+0+0 -bg orange -fg orange
sleep 0.5
write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock
xdotool mousemove 600 380
sleep 0.5

is_orange() { # "r g b"
    read -r r g b <<<"$1"
    [ "$r" -gt 240 ] && [ "$g" -gt 150 ] && [ "$g" -lt 190 ] && [ "$b" -lt 30 ]
}
blue_of() { set -- $1; echo "$3"; }

# No compositor: the transparent corners show the desktop, the face is solid.
is_orange "$(pixel 101 101)" || fail "corner without a compositor: $(pixel 101 101)"
solid_face=$(pixel 130 190)
[ "$(blue_of "$solid_face")" -gt 180 ] || fail "face without a compositor: $solid_face"
screenshot "$CLOCK_WORK/plain.png"
keep_picture "$CLOCK_WORK/plain.png" compositor-none.png

# A compositor starts: the clock far from the pointer shows at its highest
# opacity (70 % for this theme), so the face is tinted by the desktop.
background xcompmgr
COMPOSITOR_PID=$LAST_PID
sleep 1
far=$(pixel 130 190)
[ "$(blue_of "$far")" -lt "$(($(blue_of "$solid_face") - 40))" ] || fail "no see-through when far: $far"
is_orange "$(pixel 101 101)" || fail "corner with a compositor: $(pixel 101 101)"
screenshot "$CLOCK_WORK/far.png"
keep_picture "$CLOCK_WORK/far.png" compositor-far.png

# The pointer on the clock: nearly invisible.
xdotool mousemove 164 164
sleep 1
near=$(pixel 130 190)
[ "$(blue_of "$near")" -lt "$(($(blue_of "$far") - 40))" ] || fail "not fainter when near: $near vs $far"

# Ctrl held: solid.
hold_key ctrl 1.5
sleep 0.6
held=$(pixel 130 190)
[ "$(blue_of "$held")" -gt "$(($(blue_of "$solid_face") - 10))" ] || fail "not solid with Ctrl: $held"
wait "$HOLD_PID"

# The compositor stops: still no black square.
kill "$COMPOSITOR_PID"
sleep 1
is_orange "$(pixel 101 101)" || fail "corner after the compositor stopped: $(pixel 101 101)"
is_orange "$(pixel 160 102)" || fail "top edge after the compositor stopped: $(pixel 160 102)"
echo PASS
