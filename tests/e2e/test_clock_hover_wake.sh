#!/bin/bash
# A clock left alone with the pointer far away sleeps between seconds; the
# pointer coming onto it (as a mouse moves it, and as a program warps it)
# wakes it at once: the first opacity step shows within 100 ms and the steps
# follow the hover rule, 30 at a time from 70 % (178) down toward 20 % (51).
# Ctrl wakes it as fast: solid (two steps of 50) well within the second it
# would sleep otherwise.
source "$(dirname "$0")/lib_clock.sh" "$1" 197
start_display 640x400x24

# An orange desktop under a compositor: the face's blue shows its opacity.
background xlogo -geometry 640x400+0+0 -bg orange -fg orange
background picom --backend xrender --config /dev/null
sleep 0.5
write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock
xdotool mousemove 600 380

FINAL=51
blue() { set -- $(pixel 130 190); echo "$3"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The face's blue at full opacity, with Ctrl held.
hold_key ctrl 1
sleep 0.3
solid=$(blue)
wait "$HOLD_PID"
[ "$solid" -gt 150 ] || fail "no solid face with Ctrl: blue $solid"
alpha() { echo $((($(blue) * 255 + solid / 2) / solid)); }

# Where the hover rule ends for the pointer where it is now: 20 % plus 2 per
# pixel beyond 64 from the centre, at most 70 %. (A relative move lands where
# the server's pointer acceleration takes it.)
final_level() {
    eval "$(xdotool getmouselocation --shell)"
    awk -v x="$X" -v y="$Y" 'BEGIN{
        t = 51 + 2 * int(sqrt((x - 164) ^ 2 + (y - 164) ^ 2) - 64)
        print (t < 51 ? 51 : (t > 178 ? 178 : t)) }'
}

# The opacity level of the hover rule nearest to alpha, if within 8 of it:
# down from 178 by 30 a tick, then the final level.
level_of() { # alpha
    local level best=none best_gap=9
    for level in 178 148 118 88 58 $FINAL; do
        local gap=$(($1 > level ? $1 - level : level - $1))
        if [ "$gap" -lt "$best_gap" ]; then
            best=$level best_gap=$gap
        fi
    done
    [ "$best" = none ] && best="none($1)"
    echo "$best"
}

approach() { # how: relative or warp
    sleep 2 # settled far away: asleep
    [ "$(level_of "$(alpha)")" = 178 ] || fail "far away, not at 70 %: alpha $(alpha)"
    local start
    start=$(now_ms)
    if [ "$1" = relative ]; then
        xdotool mousemove_relative -- -436 -216 # 600,380 to the centre, 164,164
    else
        xdotool mousemove 164 164
    fi
    local wait_ms=$((start + 100 - $(now_ms)))
    FINAL=$(final_level)
    [ "$wait_ms" -gt 0 ] && sleep "0.$(printf '%03d' "$wait_ms")"
    local first
    first=$(alpha)
    [ "$first" -lt 170 ] || fail "$1: no opacity step 100 ms after the pointer came (alpha $first)"
    # The rest of the fade, sampled as fast as the screen can be read.
    local levels=" $(level_of "$first")" i
    for i in $(seq 12); do
        levels="$levels $(level_of "$(alpha)")"
    done
    echo "$1: levels seen$levels"
    case "$levels" in *none*) fail "$1: an opacity the hover rule never shows:$levels" ;; esac
    local previous=255 level intermediate=0
    for level in $levels; do
        [ "$level" -le "$previous" ] || fail "$1: the opacity rose on the way in:$levels"
        [ "$level" -lt 178 ] && [ "$level" -gt "$FINAL" ] && intermediate=1
        previous=$level
    done
    [ "$previous" = "$FINAL" ] || fail "$1: the fade did not end at $FINAL:$levels"
    [ "$intermediate" = 1 ] || fail "$1: no step between 70 % and 20 %:$levels"
    xdotool mousemove 600 380
}

approach relative
approach warp

sleep 2
[ "$(level_of "$(alpha)")" = 178 ] || fail "far away again, not at 70 %: alpha $(alpha)"
start=$(now_ms)
background xdotool keydown ctrl sleep 1 keyup ctrl
held=$(alpha)
while [ "$held" -le 240 ] && [ $(($(now_ms) - start)) -lt 400 ]; do
    held=$(alpha)
done
[ "$held" -gt 240 ] || fail "Ctrl did not wake the clock: alpha $held after 400 ms"
echo PASS
