#!/bin/bash
# Local clients that do not play along cannot split the single clock: a flood
# of idle connections (more than the clock has descriptors) and one client
# sending without end leave the socket in place, the clock small, and a
# second start still reloads the first clock and ends with code 0.
source "$(dirname "$0")/lib_clock.sh" "$1" 212
start_display 640x480x24

SOCKET=$XDG_RUNTIME_DIR/Tikloom.socket
FLOOD_CONNECTIONS=1100
FLOOD_BYTES=$((400 * 1024 * 1024))
MAX_GROWTH_KB=$((64 * 1024))

write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
# Fewer descriptors than the flood, so that the clock does run out.
(ulimit -n 1024 && exec "$CLOCK_FOLDER/tikloom") >>"$CLOCK_WORK/background.log" 2>&1 &
CLOCK_PID=$!
CLOCK_PIDS+=("$CLOCK_PID")
wait_for_clock
[ "$(stat -c %a "$SOCKET")" = 600 ] || fail "socket mode $(stat -c %a "$SOCKET"), not 600"

rss_before=$(awk '/VmRSS/{print $2}' "/proc/$CLOCK_PID/status")

# The flood: idle connections held open, and one client sending without a newline.
cat >"$CLOCK_WORK/flood.py" <<'PY'
import resource, socket, sys, time
path, count, total = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
resource.setrlimit(resource.RLIMIT_NOFILE, (count + 64, count + 64))
idle = []
for _ in range(count):
    s = socket.socket(socket.AF_UNIX)
    s.connect(path)
    idle.append(s)
sender = socket.socket(socket.AF_UNIX)
sender.connect(path)
sender.settimeout(0.2)
chunk, sent = b"x" * 65536, 0
deadline = time.time() + 8
while sent < total and time.time() < deadline:
    try:
        sent += sender.send(chunk)
    except (socket.timeout, BlockingIOError):
        pass
    except OSError:
        break  # dropped by the clock
print("flood ready", sent, flush=True)
time.sleep(30)
PY
python3 "$CLOCK_WORK/flood.py" "$SOCKET" "$FLOOD_CONNECTIONS" "$FLOOD_BYTES" >"$CLOCK_WORK/flood.log" 2>&1 &
FLOOD_PID=$!
CLOCK_PIDS+=("$FLOOD_PID")
for i in $(seq 200); do
    grep -q "flood ready" "$CLOCK_WORK/flood.log" && break
    kill -0 "$FLOOD_PID" 2>/dev/null || fail "flood client ended: $(cat "$CLOCK_WORK/flood.log")"
    sleep 0.1
done
grep -q "flood ready" "$CLOCK_WORK/flood.log" || fail "flood did not get going"
echo "flood: $(cat "$CLOCK_WORK/flood.log")"

kill -0 "$CLOCK_PID" || fail "the clock ended under the flood"
[ -S "$SOCKET" ] || fail "the socket file is gone"
rss=$(awk '/VmRSS/{print $2}' "/proc/$CLOCK_PID/status")
echo "clock resident size: ${rss_before} kB before the flood, ${rss} kB under it"
[ $((rss - rss_before)) -lt "$MAX_GROWTH_KB" ] || fail "clock grew from ${rss_before} to ${rss} kB"

# While the flood is still connected: a second start reloads the first clock.
sed -i 's/^FileName=.*/FileName=slate.tkm/' "$CLOCK_FOLDER/tikloom.ini"
timeout 20 "$CLOCK_FOLDER/tikloom"
code=$?
[ "$code" = 0 ] || fail "second start exit code $code"
kill -0 "$CLOCK_PID" || fail "the first clock ended"
[ "$(xdotool search --class '^Tikloom$' | wc -l)" = 1 ] || fail "a second clock window exists"
[ -S "$SOCKET" ] || fail "the socket file is gone after the second start"
echo PASS
