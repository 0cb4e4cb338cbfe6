#!/bin/bash
# Measures the running clock beside `xclock -update 1` on the same Xvfb, first
# with the clock shown, then minimised to a tray: CPU seconds, voluntary
# context switches per second, and RSS, PSS and USS at the end of each phase.
# Usage: bench/measure_clock.sh [program folder] (default: build/bin)
# MEASURE_SECONDS sets the length of each phase (default 60).
set -u

SOURCE_FOLDER=${1:-$(dirname "$0")/../build/bin}
SECONDS_PER_PHASE=${MEASURE_SECONDS:-60}
DISPLAY_NUMBER=$((190 + ${TIKLOOM_E2E_DISPLAY_OFFSET:-0}))
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
run() {
    "$@" >>"$WORK/log" 2>&1 &
    PIDS+=($!)
    LAST_PID=$!
}

cp -r "$SOURCE_FOLDER" "$WORK/app"
printf '[Window]\nLeft=100\nTop=100\nMinimized=0\n' >"$WORK/app/tikloom.ini"
export XDG_RUNTIME_DIR=$WORK/runtime DISPLAY=:$DISPLAY_NUMBER
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

run Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
run trayer --edge top --align right --widthtype pixel --width 100 --heighttype pixel --height 24
sleep 0.5
run "$WORK/app/tikloom"
CLOCK=$LAST_PID
run xclock -update 1 -geometry 128x128+400+100
XCLOCK=$LAST_PID
xdotool mousemove 900 700
sleep 3 # start-up and the fade-in are not part of the figures

# CPU time in nanoseconds, all threads: /proc's schedstat is far finer than
# the 10 ms steps of /proc/<pid>/stat.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END{printf "%.0f", s}'; }
switches() { awk '/^voluntary_ctxt_switches/{print $2}' "/proc/$1/status"; }
rss_kb() { awk '/^VmRSS/{print $2}' "/proc/$1/status"; }
pss_kb() { awk '/^Pss:/{print $2}' "/proc/$1/smaps_rollup"; }
uss_kb() { awk '/^Private_(Clean|Dirty):/{s += $2} END{print s}' "/proc/$1/smaps_rollup"; }

# Prints one phase's figures for both programs; CPU seconds into CPU_<name>.
measure_phase() { # phase name
    local pid c1 s1
    declare -A start_cpu start_switches
    for pid in "$CLOCK" "$XCLOCK"; do
        start_cpu[$pid]=$(cpu_ns "$pid")
        start_switches[$pid]=$(switches "$pid")
    done
    sleep "$SECONDS_PER_PHASE"
    for pid in "$CLOCK" "$XCLOCK"; do
        c1=$(cpu_ns "$pid")
        s1=$(switches "$pid")
        local name=tikloom
        [ "$pid" = "$XCLOCK" ] && name=xclock
        local cpu
        cpu=$(awk -v a="${start_cpu[$pid]}" -v b="$c1" 'BEGIN{printf "%.3f", (b - a) / 1e9}')
        printf '%-10s %-8s %8s s %10.1f /s %8s kB %8s kB %8s kB\n' "$1" "$name" "$cpu" \
            "$(awk -v a="${start_switches[$pid]}" -v b="$s1" -v t="$SECONDS_PER_PHASE" 'BEGIN{print (b - a) / t}')" \
            "$(rss_kb "$pid")" "$(pss_kb "$pid")" "$(uss_kb "$pid")"
        eval "CPU_${name}_$1=$cpu"
    done
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN{ if (b > 0) printf "%.1fx", a / b; else print "n/a (xclock used no measurable CPU)" }'; }

printf 'Each phase %s s.\n' "$SECONDS_PER_PHASE"
printf '%-10s %-8s %10s %13s %11s %11s %11s\n' phase program CPU "vol. switches" RSS PSS USS
measure_phase shown

xdotool key super+c # minimise through the hot key
sleep 2
measure_phase minimised

echo
echo "tikloom / xclock CPU, shown:     $(ratio "$CPU_tikloom_shown" "$CPU_xclock_shown") (goal at most 6x)"
echo "tikloom / xclock CPU, minimised: $(ratio "$CPU_tikloom_minimised" "$CPU_xclock_minimised") (goal at most 2x)"
