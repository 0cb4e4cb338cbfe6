#!/bin/bash
# A second start asks the running clock to reload and ends with code 0
# without touching any file; the running clock shows the new theme at once.
# A killed clock's leftover socket does not block the next start.
source "$(dirname "$0")/lib_clock.sh" "$1" 182
start_display 640x480x24

crop_clock() { # file
    screenshot "$CLOCK_WORK/screen.png"
    convert "$CLOCK_WORK/screen.png" -crop 128x128+100+100 +repage "$1"
}

write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock
sleep 0.5
crop_clock "$CLOCK_WORK/before.png"
keep_picture "$CLOCK_WORK/before.png" second-start-before.png

# The customizer's part: a new theme in the settings; then a second start.
sed -i 's/^FileName=.*/FileName=slate.tkm/' "$CLOCK_FOLDER/tikloom.ini"
stamp_before=$(stat -c %Y.%s "$CLOCK_FOLDER/tikloom.ini")
files_before=$(ls -la "$CLOCK_FOLDER" "$XDG_RUNTIME_DIR" | grep -v '^total')
"$CLOCK_FOLDER/tikloom"
code=$?
[ "$code" = 0 ] || fail "second start exit code $code"
kill -0 "$CLOCK_PID" || fail "the first clock ended"
[ "$(xdotool search --class '^Tikloom$' | wc -l)" = 1 ] || fail "a second clock window exists"
[ "$(stat -c %Y.%s "$CLOCK_FOLDER/tikloom.ini")" = "$stamp_before" ] || fail "settings touched"
[ "$(ls -la "$CLOCK_FOLDER" "$XDG_RUNTIME_DIR" | grep -v '^total')" = "$files_before" ] ||
    fail "files changed by the second start"

# The reload was done before the second start ended: the face is new now.
crop_clock "$CLOCK_WORK/after.png"
keep_picture "$CLOCK_WORK/after.png" second-start-after.png
changed=$(compare -metric AE "$CLOCK_WORK/before.png" "$CLOCK_WORK/after.png" null: 2>&1)
[ "${changed%%.*}" -gt 3000 ] || fail "face hardly changed after reload ($changed pixels)"

# A killed clock leaves its socket behind; the next start is not blocked.
kill -KILL "$CLOCK_PID"
wait "$CLOCK_PID" 2>/dev/null
[ -S "$XDG_RUNTIME_DIR/Tikloom.socket" ] || fail "expected a leftover socket after kill -9"
start_clock
wait_for_clock
first=$CLOCK_PID
# ... and the clock that took over is again found by a second start.
timeout 10 "$CLOCK_FOLDER/tikloom" || fail "second start after a crash failed"
kill -0 "$first" || fail "the new clock ended"
echo PASS
