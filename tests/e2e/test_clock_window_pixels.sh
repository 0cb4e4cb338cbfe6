#!/bin/bash
# What the clock's window shows, second after second, is the frame the theme
# tool draws for that second: only the part of a frame that changed goes to
# the window, and nothing of an earlier frame (a hand's trail) may stay.
# Checked without a compositor and with one (while Ctrl makes the clock
# solid), and after the window is exposed anew.
source "$(dirname "$0")/lib_clock.sh" "$1" 215
start_display 640x400x24
background xlogo -geometry 640x400+0+0 -bg black -fg black
sleep 0.3
write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock
xdotool mousemove 600 380
sleep 1.5 # faded in

# The frame as the window shows it on black: premultiplied colours, and
# without a compositor only the pixels of the outline (alpha 128 and more).
expected() { # time, outline alpha, out
    "$CLOCK_FOLDER/tikloom-theme" render --program-folder "$CLOCK_FOLDER" --time "$1" -o "$CLOCK_WORK/frame.png" ||
        fail "render failed"
    convert "$CLOCK_WORK/frame.png" \( +clone -alpha extract -threshold "$2" \) \
        -compose multiply -composite -background black -alpha remove -alpha off "$3"
}
# Pixels of the frame's opaque part (the dial, where the hands go) that
# differ by more than 1%; the outline's soft edge is left out, where the
# window's shape and rounding decide.
differing_pixels() { # shown expected
    convert "$1" "$2" -compose difference -composite \
        \( "$CLOCK_WORK/frame.png" -alpha extract -threshold 98% \) -compose multiply -composite \
        -colorspace gray -threshold 1% -format '%[fx:int(mean*w*h+0.5)]' info:
}
# Waits until just past a second's turn, takes the clock's square, and
# compares it with the frames of that second and the one before (the clock
# may draw a little after the turn).
check_seconds() { # outline alpha (percent), label
    local n shown differing t best
    for n in 1 2 3 4; do
        t=$(date +%s)
        while [ "$(date +%s)" = "$t" ]; do sleep 0.02; done
        sleep 0.3
        shown=$(date +%T)
        import -window root -crop 128x128+100+100 +repage "$CLOCK_WORK/shown.png"
        best=
        for t in "$shown" "$(date -d "$shown 1 second ago" +%T)"; do
            expected "$t" "$1" "$CLOCK_WORK/expected.png"
            differing=$(differing_pixels "$CLOCK_WORK/shown.png" "$CLOCK_WORK/expected.png")
            [ -z "$best" ] || [ "$differing" -lt "$best" ] && best=$differing
        done
        [ "$best" = 0 ] || {
            keep_picture "$CLOCK_WORK/shown.png" "window-pixels-$2.png"
            fail "$2: the window differs from the frame of $shown in $best pixels"
        }
        # Half the time the window is taken off the screen and put back at
        # once, as another program may: its exposure repaints it.
        if [ $((n % 2)) = 0 ]; then
            xdotool windowunmap --sync "$CLOCK_WINDOW" windowmap --sync "$CLOCK_WINDOW"
        fi
    done
}
check_seconds 50% plain

background picom --backend xrender --config /dev/null
sleep 1
hold_key ctrl 12
sleep 1.5 # solid
check_seconds 0% composited
echo PASS
