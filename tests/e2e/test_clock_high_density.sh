#!/bin/bash
# On a screen scaled to 200%: the clock's window is 256 x 256 device pixels at
# twice its saved (logical) place, drawn sharply at that density (its ticks
# and numbers have crisper edges than the clock at 100% enlarged), its outline
# is cut in device pixels, a Ctrl-drag saves logical coordinates, and the
# clock starts again where it was left.
source "$(dirname "$0")/lib_clock.sh" "$1" 214
start_display 800x600x24
# A black desktop, so the outline of the clock shows against it.
background xlogo -geometry 800x600+0+0 -bg black -fg black
sleep 0.5

# Share of the inked pixels of the clock's middle (ticks, numbers) that are
# neither dial nor ink: the blurred edges. Gray below 78% is ink of some
# strength, below 35% solid ink.
soft_edge_share() { # picture (256 x 256)
    local inked solid
    inked=$(convert "$1" -crop 180x180+38+38 +repage -colorspace gray -threshold 78% -negate \
        -format "%[fx:mean*w*h]" info:)
    solid=$(convert "$1" -crop 180x180+38+38 +repage -colorspace gray -threshold 35% -negate \
        -format "%[fx:mean*w*h]" info:)
    awk -v i="$inked" -v s="$solid" 'BEGIN{printf "%.3f\n", (i - s) / i}'
}

# Rows of the window whose outline starts at an odd device pixel: none when
# the outline is cut in whole logical (2 x 2) pixels.
odd_outline_rows() { # picture (256 x 256)
    convert "$1" -colorspace gray -threshold 1% -depth 8 txt:- |
        awk -F'[,: ]+' 'NR>1 && $0 ~ /white|#FFFFFF/ { if (!($2 in first)) first[$2]=$1 }
            END { n=0; for (y in first) if (first[y] % 2 == 1) n++; print n }'
}

write_ini '[Window]\nLeft=100\nTop=60\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
export QT_SCALE_FACTOR=2
CLOCK_SIDE=256
start_clock
wait_for_clock
sleep 0.5
[ "$(clock_position)" = "200,120" ] || fail "saved (100, 60) shows at $(clock_position)"

screenshot "$CLOCK_WORK/dense.png"
convert "$CLOCK_WORK/dense.png" -crop 256x256+200+120 +repage "$CLOCK_WORK/dense-clock.png"
keep_picture "$CLOCK_WORK/dense-clock.png" high-density-clock.png
odd=$(odd_outline_rows "$CLOCK_WORK/dense-clock.png")
[ "$odd" -gt 10 ] || fail "outline cut in logical pixels: $odd rows start at an odd pixel"

# Ctrl-drag by (100, 80) device pixels: (50, 40) logical.
press_x=348
press_y=268
xdotool mousemove "$press_x" "$press_y" keydown ctrl sleep 0.4 mousedown 1 sleep 0.1 \
    mousemove $((press_x + 4)) $((press_y + 4)) sleep 0.1 \
    mousemove $((press_x + 50)) $((press_y + 40)) sleep 0.1 \
    mousemove $((press_x + 100)) $((press_y + 80)) sleep 0.3 \
    mouseup 1 sleep 0.2 keyup ctrl
sleep 0.4
[ "$(clock_position)" = "300,200" ] || fail "dragged to $(clock_position), not 300,200"
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
[ "$(ini_value Window Left),$(ini_value Window Top)" = "150,100" ] ||
    fail "saved $(ini_value Window Left),$(ini_value Window Top), not the logical 150,100"

start_clock
wait_for_clock
[ "$(clock_position)" = "300,200" ] || fail "started again at $(clock_position), not 300,200"
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"

# The same clock at 100%, enlarged to the same size, for comparison.
unset QT_SCALE_FACTOR
CLOCK_SIDE=128
write_ini '[Window]\nLeft=100\nTop=60\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock
sleep 0.5
screenshot "$CLOCK_WORK/plain.png"
convert "$CLOCK_WORK/plain.png" -crop 128x128+100+60 +repage -filter triangle -resize 200% \
    "$CLOCK_WORK/plain-clock.png"
keep_picture "$CLOCK_WORK/plain-clock.png" high-density-enlarged.png
dense_share=$(soft_edge_share "$CLOCK_WORK/dense-clock.png")
plain_share=$(soft_edge_share "$CLOCK_WORK/plain-clock.png")
echo "soft edge share: $dense_share at 200%, $plain_share at 100% enlarged"
awk -v d="$dense_share" -v p="$plain_share" 'BEGIN{exit !(d < 0.8 * p)}' ||
    fail "not sharper than an enlargement: $dense_share against $plain_share"
echo PASS
