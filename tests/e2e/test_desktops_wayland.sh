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

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# How far the face's pixels are from the background, in hundredths of full
# scale: the upper half of the clock's square in a screenshot against the
# same place before the clock started. (sway draws the pointer into the
# screenshot; the tests keep it below that half.)
face_contrast() {
    local area="96x56+$((CLOCK_X + 16))+$((CLOCK_Y + 8))"
    sway_screenshot "$CLOCK_WORK/now.png" || fail "grim took no screenshot"
    SHOT_MS=$(now_ms)
    convert "$CLOCK_WORK/now.png" -crop "$area" +repage "$CLOCK_WORK/now-face.png"
    convert "$background_shot" -crop "$area" +repage "$CLOCK_WORK/background-face.png"
    compare -metric MAE "$CLOCK_WORK/now-face.png" "$CLOCK_WORK/background-face.png" null: 2>&1 |
        awk '{gsub(/[()]/, "", $2); printf "%d\n", $2 * 100 + 0.5}'
}

# Waits up to $1 ms for the contrast to pass the test $2 (an awk condition on
# c); the time from the call to the screenshot that passed in WAITED_MS, the
# contrasts seen in SEEN.
wait_for_contrast() { # limit condition
    local start contrast
    start=$(now_ms)
    SEEN=
    while :; do
        contrast=$(face_contrast_at)
        WAITED_MS=$((${contrast#* } - start))
        contrast=${contrast% *}
        SEEN="$SEEN $contrast@$WAITED_MS"
        [ "$WAITED_MS" -le "$1" ] || break
        awk -v c="$contrast" "BEGIN{exit !($2)}" && return 0
    done
    echo "contrasts seen (value@ms):$SEEN" >&2
    return 1
}
# The contrast and the time its screenshot was taken.
face_contrast_at() {
    face_contrast >"$CLOCK_WORK/contrast"
    echo "$(cat "$CLOCK_WORK/contrast") $SHOT_MS"
}

sleep 1.5 # faded in to the theme's opacity far from the pointer
far=$(face_contrast)
keep_picture "$CLOCK_WORK/now.png" wayland-far.png
# The theme's 70 % against its 20 % near the pointer: about 49 against 14.
# XWayland puts a pointer it has not seen yet on the screen's centre, on the
# clock; foot has the keyboard, so that pointer is out of sight, and far.
[ "$far" -ge 8 ] || fail "the clock does not show on the screen (contrast $far)"
[ "$far" -ge 30 ] || fail "the clock far from the pointer is not at its theme's opacity (contrast $far)"
echo "face contrast far from the pointer: $far"

# Inside the inner circle (56 from the centre): the theme's lowest opacity.
point_at $((CLOCK_X + 64)) $((CLOCK_Y + 120))
wait_for_contrast 1000 "c <= $far * 0.6" || fail "no fade within 1 s of the pointer arriving"
echo "faded within $WAITED_MS ms, contrast far $far, seen:$SEEN"
sleep 1
near=$(face_contrast)
keep_picture "$CLOCK_WORK/now.png" wayland-near.png

# Onto foot, which the X server cannot see: XWayland keeps reporting the
# pointer's last place on the clock.
point_at $((CLOCK_X + 300)) $((CLOCK_Y + 120))
wait_for_contrast 1500 "c >= $far * 0.9" || fail "no fade back within 1.5 s of the pointer leaving onto foot"
echo "back within $WAITED_MS ms, contrast near $near, seen:$SEEN"

# --- Ctrl-drag --------------------------------------------------------------

# The clock has the keyboard focus, so XWayland sees Ctrl; the pointer presses
# on the face, moves past the drag distance, waits for the clock to find its
# own moves ignored (it then hands the drag to sway), and moves on, 200 right
# and 100 down in all. sway moves the window with the pointer from the
# hand-over on, so the clock ends up to 20 short of that.
sway_msg "[pid=$CLOCK_PID] focus" >/dev/null
session_background wtype -M ctrl -s 4000 -m ctrl
sleep 0.7
drag_from_x=$((CLOCK_X + 64)) drag_from_y=$((CLOCK_Y + 64))
# A mouse comes onto the clock in motions. (After a jump from foot straight
# onto the face, XWayland reported the pointer back at foot's x once the
# button went down, and no drag began.)
pointer_command glide "$drag_from_x" "$drag_from_y" 10 || fail "the virtual pointer did not move"
sleep 0.3
pointer_command button down || fail "no button press"
pointer_command glide $((drag_from_x + 12)) $((drag_from_y + 6)) 3 sleep 400 \
    glide $((drag_from_x + 14)) $((drag_from_y + 7)) 1 sleep 100 \
    glide $((drag_from_x + 200)) $((drag_from_y + 100)) 20 || fail "no drag"
pointer_command button up || fail "no button release"
sleep 1
read -r DRAGGED_X DRAGGED_Y < <(clock_position | tr , ' ')
echo "Ctrl-drag of 200,100 from $CLOCK_X,$CLOCK_Y ended at $DRAGGED_X,$DRAGGED_Y"
[ $((DRAGGED_X - CLOCK_X)) -ge 180 ] && [ $((DRAGGED_X - CLOCK_X)) -le 200 ] &&
    [ $((DRAGGED_Y - CLOCK_Y)) -ge 90 ] && [ $((DRAGGED_Y - CLOCK_Y)) -le 100 ] ||
    fail "Ctrl-drag of 200,100 from $CLOCK_X,$CLOCK_Y ended at $DRAGGED_X,$DRAGGED_Y"
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
