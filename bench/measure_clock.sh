#!/bin/bash
# Measures the running clock beside `xclock -update 1` in the same run. Each
# program gets an X server of its own (Xvfb, with picom and a tray), started
# alike, so the X server's and the compositor's CPU can be laid at the door of
# the one program they serve. Four phases: shown with the pointer far away,
# shown with the pointer moving over the clock (and over xclock, on its own
# display), minimised into the XEmbed tray, and minimised onto a StatusNotifier
# tray (a watcher and host on a private session bus that fetches every new
# icon, as a panel does; the XEmbed tray still runs) while xclock stays
# shown. Prints CPU seconds of the
# program, its X server and its compositor, the program's voluntary context
# switches per second and memory, then the ratios to xclock.
# Usage: bench/measure_clock.sh [program folder] (default: build/bin)
# MEASURE_SECONDS sets the length of each phase (default 60).
set -u

SOURCE_FOLDER=${1:-$(dirname "$0")/../build/bin}
TRAY_HELPER=$(dirname "$0")/../tests/e2e/status_notifier_tray.py
SECONDS_PER_PHASE=${MEASURE_SECONDS:-60}
CLOCK_DISPLAY=:$((190 + ${TIKLOOM_E2E_DISPLAY_OFFSET:-0}))
XCLOCK_DISPLAY=:$((191 + ${TIKLOOM_E2E_DISPLAY_OFFSET:-0}))
[ -x "$SOURCE_FOLDER/tikloom" ] || { echo "no tikloom in $SOURCE_FOLDER" >&2; exit 2; }

WORK=$(mktemp -d /tmp/tikloom-measure.XXXXXX)
PIDS=()
cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$WORK"
}
trap cleanup EXIT
run() { # display command...
    DISPLAY=$1 "${@:2}" >>"$WORK/log" 2>&1 &
    PIDS+=($!)
    LAST_PID=$!
}

cp -r "$SOURCE_FOLDER" "$WORK/app"
printf '[Window]\nLeft=100\nTop=100\nMinimized=0\n' >"$WORK/app/tikloom.ini"
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# One display: X server, compositor, tray. Sets SERVER and COMPOSITOR.
start_display() { # display
    local i
    run "$1" Xvfb "$1" -screen 0 1024x768x24 -nolisten tcp -noreset
    SERVER=$LAST_PID
    for i in $(seq 50); do DISPLAY=$1 xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    run "$1" picom --backend xrender --config /dev/null
    COMPOSITOR=$LAST_PID
    run "$1" trayer --edge top --align right --widthtype pixel --width 100 --heighttype pixel --height 24
}
start_display "$CLOCK_DISPLAY"
CLOCK_SERVER=$SERVER CLOCK_COMPOSITOR=$COMPOSITOR
start_display "$XCLOCK_DISPLAY"
XCLOCK_SERVER=$SERVER XCLOCK_COMPOSITOR=$COMPOSITOR
# The clock's session bus: the StatusNotifier tray joins it for the last phase.
dbus-daemon --session --nofork --print-address=3 3>"$WORK/bus" >>"$WORK/log" 2>&1 &
PIDS+=($!)
BUS=$!
for i in $(seq 50); do [ -s "$WORK/bus" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$WORK/bus")
sleep 0.5
run "$CLOCK_DISPLAY" "$WORK/app/tikloom"
CLOCK=$LAST_PID
run "$XCLOCK_DISPLAY" xclock -update 1 -geometry 128x128+100+100
XCLOCK=$LAST_PID
far_away() {
    DISPLAY=$CLOCK_DISPLAY xdotool mousemove 900 700
    DISPLAY=$XCLOCK_DISPLAY xdotool mousemove 900 700
}
far_away
sleep 3 # start-up and the fade-in are not part of the figures

# CPU time in nanoseconds, all threads: /proc's schedstat is far finer than
# the 10 ms steps of /proc/<pid>/stat.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END{printf "%.0f", s}'; }
switches() { awk '/^voluntary_ctxt_switches/{print $2}' "/proc/$1/status"; }
threads() { awk '/^Threads/{print $2}' "/proc/$1/status"; }
rss_kb() { awk '/^VmRSS/{print $2}' "/proc/$1/status"; }
pss_kb() { awk '/^Pss:/{print $2}' "/proc/$1/smaps_rollup"; }
uss_kb() { awk '/^Private_(Clean|Dirty):/{s += $2} END{print s}' "/proc/$1/smaps_rollup"; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.3f", (b - a) / 1e9}'; }
# Threads of a process that ran during a phase, with their CPU: "name:ms ...".
thread_cpu() { # pid
    local task
    for task in /proc/"$1"/task/*; do
        printf '%s %s\n' "$(tr ' ' _ <"$task/comm")" "$(awk '{print $1}' "$task/schedstat")"
    done
}

# The pointer circles the clock at a radius swinging between 0 and 110
# pixels, 50 moves a second, on both displays, for the given seconds.
move_pointer() { # display seconds
    local end=$((SECONDS + $2)) chunk=0
    while [ $SECONDS -lt $end ]; do
        awk -v c=$chunk 'BEGIN{
            for (i = c * 50; i < (c + 1) * 50; i++) {
                r = 55 + 55 * sin(i / 40); a = i / 7
                printf "mousemove %d %d sleep 0.02 ", 164 + r * cos(a), 164 + r * sin(a)
            }}' | DISPLAY=$1 xargs xdotool >/dev/null 2>&1
        chunk=$((chunk + 1))
    done
}
move_on_both() { # seconds
    move_pointer "$CLOCK_DISPLAY" "$1" &
    move_pointer "$XCLOCK_DISPLAY" "$1"
    wait
}

# Prints one phase's figures for both programs; CPU seconds into
# CPU_<program>_<phase>, SERVER_<program>_<phase> and COMP_<program>_<phase>.
measure_phase() { # phase name, then the command that makes the phase's input
    local phase=$1 name pid server comp
    declare -A c0 s0 x0 p0 t0
    for name in tikloom xclock; do
        if [ $name = tikloom ]; then pid=$CLOCK server=$CLOCK_SERVER comp=$CLOCK_COMPOSITOR;
        else pid=$XCLOCK server=$XCLOCK_SERVER comp=$XCLOCK_COMPOSITOR; fi
        c0[$name]=$(cpu_ns "$pid") s0[$name]=$(switches "$pid")
        x0[$name]=$(cpu_ns "$server") p0[$name]=$(cpu_ns "$comp")
    done
    thread_cpu "$CLOCK" >"$WORK/threads0"
    if [ $# -gt 1 ]; then
        "${@:2}" &
        local driver=$!
    fi
    sleep "$SECONDS_PER_PHASE"
    for name in tikloom xclock; do
        if [ $name = tikloom ]; then pid=$CLOCK server=$CLOCK_SERVER comp=$CLOCK_COMPOSITOR;
        else pid=$XCLOCK server=$XCLOCK_SERVER comp=$XCLOCK_COMPOSITOR; fi
        local cpu xcpu pcpu
        cpu=$(seconds "${c0[$name]}" "$(cpu_ns "$pid")")
        xcpu=$(seconds "${x0[$name]}" "$(cpu_ns "$server")")
        pcpu=$(seconds "${p0[$name]}" "$(cpu_ns "$comp")")
        printf '%-10s %-8s %8s s %8s s %8s s %8.1f /s %3s %7s kB %7s kB %7s kB\n' "$phase" "$name" \
            "$cpu" "$xcpu" "$pcpu" \
            "$(awk -v a="${s0[$name]}" -v b="$(switches "$pid")" -v t="$SECONDS_PER_PHASE" 'BEGIN{print (b - a) / t}')" \
            "$(threads "$pid")" "$(rss_kb "$pid")" "$(pss_kb "$pid")" "$(uss_kb "$pid")"
        eval "CPU_${name}_$phase=$cpu SERVER_${name}_$phase=$xcpu COMP_${name}_$phase=$pcpu"
    done
    thread_cpu "$CLOCK" >"$WORK/threads1"
    printf '%-10s tikloom threads that ran:' "$phase"
    awk 'NR==FNR{a[$1]+=$2; next} {d[$1]+=$2} END{for (t in d) if (d[t] - a[t] > 0) printf " %s %.1f ms", t, (d[t] - a[t]) / 1e6; print ""}' \
        "$WORK/threads0" "$WORK/threads1"
    [ $# -gt 1 ] && wait "$driver" # ends with the phase
    return 0
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN{ if (b > 0) printf "%.1fx", a / b; else print "n/a" }'; }

printf 'Each phase %s s. Load before: %s\n' "$SECONDS_PER_PHASE" "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-10s %-8s %10s %10s %10s %11s %3s %10s %10s %10s\n' phase program CPU "X server" compositor \
    "vol. sw." thr RSS PSS USS
measure_phase far
measure_phase moving move_on_both "$((SECONDS_PER_PHASE - 1))"
far_away
sleep 1
DISPLAY=$CLOCK_DISPLAY xdotool key super+c # minimise through the hot key
sleep 2
measure_phase minimised
DISPLAY=$CLOCK_DISPLAY xdotool key super+c # restore, then minimise onto the StatusNotifier tray
run "$CLOCK_DISPLAY" /usr/bin/python3 "$TRAY_HELPER" "$WORK/sni.state"
HOST=$LAST_PID
for i in $(seq 50); do [ -s "$WORK/sni.state" ] && break; sleep 0.1; done
sleep 1
DISPLAY=$CLOCK_DISPLAY xdotool key super+c
sleep 2
grep -q '^item ' "$WORK/sni.state" || echo "warning: the clock did not register with the StatusNotifier tray"
host0=$(cpu_ns "$HOST") bus0=$(cpu_ns "$BUS") fetches0=$(awk '$1=="icons"{print $2}' "$WORK/sni.state")
measure_phase sni
printf '%-10s tray host %s s, session bus %s s, %s icon fetches (%s)\n' sni \
    "$(seconds "$host0" "$(cpu_ns "$HOST")")" "$(seconds "$bus0" "$(cpu_ns "$BUS")")" \
    "$(($(awk '$1=="icons"{print $2}' "$WORK/sni.state") - fetches0))" \
    "$(awk '$1=="sizes"{print $2}' "$WORK/sni.state")"
printf 'Load after: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "tikloom / xclock, far:       CPU $(ratio "$CPU_tikloom_far" "$CPU_xclock_far")," \
    "X server $(ratio "$SERVER_tikloom_far" "$SERVER_xclock_far")," \
    "compositor $(ratio "$COMP_tikloom_far" "$COMP_xclock_far") (goals: CPU and X server at most 2x)"
echo "tikloom / xclock, moving:    CPU $(ratio "$CPU_tikloom_moving" "$CPU_xclock_moving")," \
    "X server $(ratio "$SERVER_tikloom_moving" "$SERVER_xclock_moving")," \
    "compositor $(ratio "$COMP_tikloom_moving" "$COMP_xclock_moving")"
echo "tikloom / xclock, minimised: CPU $(ratio "$CPU_tikloom_minimised" "$CPU_xclock_minimised")," \
    "X server $(ratio "$SERVER_tikloom_minimised" "$SERVER_xclock_minimised")," \
    "compositor $(ratio "$COMP_tikloom_minimised" "$COMP_xclock_minimised") (goal: CPU at most 1.5x)"
echo "tikloom / xclock, sni:       CPU $(ratio "$CPU_tikloom_sni" "$CPU_xclock_sni")," \
    "X server $(ratio "$SERVER_tikloom_sni" "$SERVER_xclock_sni")," \
    "compositor $(ratio "$COMP_tikloom_sni" "$COMP_xclock_sni") (goal: CPU at most 1.5x)"
