#!/bin/bash
# A theme that names FIFOs and devices as its images, or that is itself a
# FIFO, is drawn as if those files were absent: tikloom-theme show and render
# return, and a running clock that reloads onto such a theme keeps going and
# still ends the orderly way on SIGTERM (saving its position).
source "$(dirname "$0")/lib_clock.sh" "$1" 214
start_display 640x480x24

TIME_LIMIT=20
TOOL=$CLOCK_FOLDER/tikloom-theme
THEMES=$CLOCK_FOLDER/Themes
mkfifo "$THEMES/fifo.png" "$THEMES/fifo_mask.png" "$THEMES/fifo_hands.png" "$THEMES/fifo.tkm"
cat >"$THEMES/special.tkm" <<'THEME'
[Background]
ImageFile=Themes\fifo.png
MaskFile=Themes\fifo_mask.png
OverlayFile=/dev/zero
[Options]
UseHandsImage=1
HandsImage=Themes\fifo_hands.png
UseMaskImage=1
UseOverlayImage=1
THEME

for theme in special.tkm fifo.tkm; do
    timeout "$TIME_LIMIT" "$TOOL" show --program-folder "$CLOCK_FOLDER" "$THEMES/$theme" \
        >"$CLOCK_WORK/show.txt" 2>&1
    code=$?
    [ "$code" = 0 ] || fail "show $theme: exit code $code (124: it hung)"
    timeout "$TIME_LIMIT" "$TOOL" render --program-folder "$CLOCK_FOLDER" "$THEMES/$theme" \
        --time 10:08:30 -o "$CLOCK_WORK/$theme.png"
    code=$?
    [ "$code" = 0 ] || fail "render $theme: exit code $code (124: it hung)"
    [ "$(identify -format '%w %h' "$CLOCK_WORK/$theme.png")" = "128 128" ] || fail "no picture of $theme"
done
grep -q 'HandsImage' "$CLOCK_WORK/show.txt" || fail "show printed no theme: $(head -3 "$CLOCK_WORK/show.txt")"

# A running clock reloads onto the theme (as after a save in the customizer).
write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock
sed -i 's/^FileName=.*/FileName=special.tkm/' "$CLOCK_FOLDER/tikloom.ini"
timeout "$TIME_LIMIT" "$CLOCK_FOLDER/tikloom" || fail "second start did not return from the reload"
xdotool windowmove "$CLOCK_WINDOW" 150 120
sleep 1
kill -0 "$CLOCK_PID" || fail "the clock ended after the reload"
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$EXITED_CODE" = 0 ] || fail "clock exit code $EXITED_CODE after SIGTERM"
[ "$(ini_value Window Left),$(ini_value Window Top)" = "150,120" ] ||
    fail "position not saved: $(ini_value Window Left),$(ini_value Window Top)"
echo PASS
