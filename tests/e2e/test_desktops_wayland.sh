#!/bin/bash
# The clock in a real Wayland session, through XWayland: sway on its headless
# backend, foot as a native Wayland window filling the screen, grim for the
# screen, wtype for keys and a virtual pointer for the pointer. One session
# for every case:
# - the clock shows, its window 128 x 128;
# - the fade shows in the screen's pixels (sway ignores the window opacity
#   property): the face moves toward the background within 1 s of the pointer
#   arriving over it, and back within 1.5 s of the pointer leaving onto foot,
#   a window the X server cannot see;
# - the saved position is kept through a start and exit with no move, though
#   sway centres the window;
# - Ctrl-drag moves the clock (sway ignores moves an X client asks for) and
#   the place it ends at is saved on exit.
source "$(dirname "$0")/lib_clock.sh" "$1" 0
source "$(dirname "$0")/lib_sway.sh"

start_sway
# foot runs a shell that prints nothing, so its window stays one colour.
session_background foot sh -c 'while :; do sleep 60; done'
wait_for_native_window foot
# wtype replaces XWayland's keymap: a first key before the clock starts, so
# the clock reads the keymap that the later keys use.
as_session_user wtype -k Shift_L || fail "wtype did not type"
start_virtual_pointer
point_at 1200 40

write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
background_shot=$CLOCK_WORK/background.png
sway_screenshot "$background_shot" || fail "grim took no screenshot"
start_session_clock
wait_for_clock
read -r CLOCK_X CLOCK_Y < <(clock_position | tr , ' ')
echo "clock at $CLOCK_X,$CLOCK_Y"

# --- The fade, in the screen's pixels --------------------------------------

# How far the face's pixels are from the background, in hundredths of full
# scale: the upper half of the clock's square in a screenshot against the
# same place before the clock started. (sway draws the pointer into the
# screenshot; the tests keep it below that half.)
face_contrast() {
    local area="96x56+$((CLOCK_X + 16))+$((CLOCK_Y + 8))"
    sway_screenshot "$CLOCK_WORK/now.png" || fail "grim took no screenshot"
    convert "$CLOCK_WORK/now.png" -crop "$area" +repage "$CLOCK_WORK/now-face.png"
    convert "$background_shot" -crop "$area" +repage "$CLOCK_WORK/background-face.png"
    compare -metric MAE "$CLOCK_WORK/now-face.png" "$CLOCK_WORK/background-face.png" null: 2>&1 |
        awk '{gsub(/[()]/, "", $2); printf "%d\n", $2 * 100 + 0.5}'
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Waits up to $1 ms for the contrast to pass the test $2 (an awk condition on
# c); the time it took in WAITED_MS.
wait_for_contrast() { # limit condition
    local start contrast
    start=$(now_ms)
    while :; do
        contrast=$(face_contrast)
        WAITED_MS=$(($(now_ms) - start))
        awk -v c="$contrast" "BEGIN{exit !($2)}" && return 0
        [ "$WAITED_MS" -le "$1" ] || break
    done
    echo "contrast $contrast after $WAITED_MS ms" >&2
    return 1
}

sleep 1.5 # faded in to the theme's opacity far from the pointer
far=$(face_contrast)
keep_picture "$CLOCK_WORK/now.png" wayland-far.png
[ "$far" -ge 8 ] || fail "the clock does not show on the screen (contrast $far)"

# Inside the inner circle (56 from the centre): the theme's lowest opacity.
point_at $((CLOCK_X + 64)) $((CLOCK_Y + 120))
wait_for_contrast 1000 "c <= $far * 0.6" || fail "no fade within 1 s of the pointer arriving"
echo "faded in $WAITED_MS ms (contrast $far -> below $((far * 6 / 10)))"
sleep 1
near=$(face_contrast)
keep_picture "$CLOCK_WORK/now.png" wayland-near.png

# Onto foot, which the X server cannot see: XWayland keeps reporting the
# pointer's last place on the clock.
point_at $((CLOCK_X + 300)) $((CLOCK_Y + 120))
wait_for_contrast 1500 "c >= $far * 0.9" || fail "no fade back within 1.5 s of the pointer leaving onto foot"
echo "back in $WAITED_MS ms (contrast $near -> $far)"

# --- Ctrl-drag --------------------------------------------------------------

# The clock has the keyboard focus, so XWayland sees Ctrl; the pointer presses
# on the face and moves 200 right and 100 down.
sway_msg "[pid=$CLOCK_PID] focus" >/dev/null
session_background wtype -M ctrl -s 3500 -m ctrl
sleep 0.7
drag_from_x=$((CLOCK_X + 64)) drag_from_y=$((CLOCK_Y + 64))
point_at "$drag_from_x" "$drag_from_y"
sleep 0.3
pointer_command button down || fail "no button press"
pointer_command glide $((drag_from_x + 200)) $((drag_from_y + 100)) 20 || fail "no drag"
pointer_command button up || fail "no button release"
sleep 1
read -r DRAGGED_X DRAGGED_Y < <(clock_position | tr , ' ')
echo "dragged to $DRAGGED_X,$DRAGGED_Y"
[ "$DRAGGED_X,$DRAGGED_Y" = "$((CLOCK_X + 200)),$((CLOCK_Y + 100))" ] ||
    fail "Ctrl-drag from $CLOCK_X,$CLOCK_Y ended at $DRAGGED_X,$DRAGGED_Y"
stop_session_clock
[ "$(ini_value Window Left),$(ini_value Window Top)" = "$DRAGGED_X,$DRAGGED_Y" ] ||
    fail "dragged place not saved: $(ini_value Window Left),$(ini_value Window Top)"

# --- Position kept through a start and exit with no move --------------------

write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_session_clock
wait_for_clock
echo "placed at $(clock_position) with 100,100 saved"
sleep 1
stop_session_clock
[ "$(ini_value Window Left),$(ini_value Window Top)" = "100,100" ] ||
    fail "position not kept: $(ini_value Window Left),$(ini_value Window Top) written"
echo PASS
