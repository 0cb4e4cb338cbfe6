#!/bin/bash
# Two monitors, the right one scaled to 200%: moved there, the clock becomes
# 256 x 256 device pixels drawn for that density; moved back, 128 x 128 again.
source "$(dirname "$0")/lib_clock.sh" "$1" 215
start_display 1600x600x24
xrandr --setmonitor LEFT 800/211x600/158+0+0 screen >/dev/null &&
    xrandr --setmonitor RIGHT 800/211x600/158+800+0 none >/dev/null ||
    fail "could not split the screen into two monitors"
background xlogo -geometry 1600x600+0+0 -bg black -fg black
sleep 0.5
export QT_SCREEN_SCALE_FACTORS="LEFT=1;RIGHT=2"

# Light pixels (the dial) in a square of the black screen: four times as many
# once the clock is drawn at 200%.
light_pixels() { # x y side
    import -window root "$CLOCK_WORK/screen.png"
    convert "$CLOCK_WORK/screen.png" -crop "$3x$3+$1+$2" +repage -colorspace gray -threshold 50% \
        -format "%[fx:mean*w*h]" info:
}

write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock
sleep 0.3
plain_dial=$(light_pixels 100 100 128)

xdotool windowmove "$CLOCK_WINDOW" 1000 100
sleep 1
size=$(xwininfo -id "$CLOCK_WINDOW" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}')
[ "$size" = 256x256 ] || fail "on the 200% monitor the window is $size"
screenshot "$CLOCK_WORK/right.png"
keep_picture "$CLOCK_WORK/right.png" screen-change-right.png
dense_dial=$(light_pixels 1000 100 256)
echo "dial: $plain_dial pixels at 100%, $dense_dial at 200%"
awk -v p="$plain_dial" -v d="$dense_dial" 'BEGIN{exit !(p > 0 && d > 3 * p && d < 5 * p)}' ||
    fail "not redrawn for 200%: $plain_dial light pixels before, $dense_dial after"

xdotool windowmove "$CLOCK_WINDOW" 100 100
sleep 1
size=$(xwininfo -id "$CLOCK_WINDOW" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}')
[ "$size" = 128x128 ] || fail "back on the 100% monitor the window is $size"
back_dial=$(light_pixels 100 100 128)
awk -v p="$plain_dial" -v b="$back_dial" 'BEGIN{exit !(b > 0.8 * p && b < 1.25 * p)}' ||
    fail "not redrawn for 100%: $plain_dial light pixels first, $back_dial after"
echo PASS
