#!/bin/bash
# The "t" key cycles the time-lapse previews (also while the clock is
# click-through, once it has the focus); four presses return to real time.
# Hovering with Ctrl held shows the long date in a tooltip.
source "$(dirname "$0")/lib_clock.sh" "$1" 186
start_display 640x400x24
background xlogo -geometry 640x400+0+0 -bg grey -fg grey
sleep 0.3
write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock

clock_picture() { # file
    screenshot "$CLOCK_WORK/screen.png"
    convert "$CLOCK_WORK/screen.png" -crop 128x128+100+100 +repage "$1"
}
differing_pixels() { # a b
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1)
    echo "${n%%.*}"
}

# A Ctrl-click gives the clock the focus; then Ctrl is let go (click-through).
xdotool mousemove 164 164 keydown ctrl sleep 0.4 click 1 sleep 0.3 keyup ctrl sleep 0.2 mousemove 500 300
sleep 0.3
xdotool key t
sleep 0.2
# Time-lapse at 20 seconds per second: the second hand sweeps a third of the
# dial between two pictures a second apart.
clock_picture "$CLOCK_WORK/lapse1.png"
sleep 1
clock_picture "$CLOCK_WORK/lapse2.png"
[ "$(differing_pixels "$CLOCK_WORK/lapse1.png" "$CLOCK_WORK/lapse2.png")" -gt 300 ] ||
    fail "no time-lapse after t"

# Three more presses: real time again; within one second nothing moves, as
# the face changes only with the second (so take both pictures in one second).
xdotool key t key t key t
sleep 0.3
for _ in $(seq 20); do
    now=$(date +%N)
    [ "${now:0:1}" -lt 3 ] && break # early in a second
    sleep 0.05
done
sleep 0.1
clock_picture "$CLOCK_WORK/real1.png"
sleep 0.3
clock_picture "$CLOCK_WORK/real2.png"
[ "$(differing_pixels "$CLOCK_WORK/real1.png" "$CLOCK_WORK/real2.png")" -lt 50 ] ||
    fail "still running fast after four presses of t"

# The tooltip: Ctrl held, the pointer resting on the clock.
screenshot "$CLOCK_WORK/no-tip.png"
xdotool mousemove 150 150 keydown ctrl sleep 0.4 mousemove 160 160 sleep 0.2 mousemove 162 161 \
    sleep 1.5 exec --sync import -window root "$CLOCK_WORK/tip.png"
keep_picture "$CLOCK_WORK/tip.png" tooltip.png
convert "$CLOCK_WORK/no-tip.png" -crop 200x30+162+175 +repage "$CLOCK_WORK/a.png"
convert "$CLOCK_WORK/tip.png" -crop 200x30+162+175 +repage "$CLOCK_WORK/b.png"
[ "$(differing_pixels "$CLOCK_WORK/a.png" "$CLOCK_WORK/b.png")" -gt 500 ] || fail "no tooltip shown"
echo PASS
