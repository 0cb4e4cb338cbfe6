#!/bin/bash
# Customize from the context menu: without tikstyle in the program folder an
# information box captioned "Tikloom" says so; with it, tikstyle is started
# from the program folder with the user's environment and the clock does not
# wait for it.
source "$(dirname "$0")/lib_clock.sh" "$1" 187
start_display 640x400x24
rm -f "$CLOCK_FOLDER/tikstyle"
write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n'
start_clock
wait_for_clock
xdotool mousemove 500 300
sleep 0.3

choose_customize() {
    xdotool mousemove 164 164 keydown ctrl sleep 0.4 click 3 sleep 0.4 keyup ctrl sleep 0.2 key c
}

choose_customize
box=
for _ in $(seq 30); do
    box=$(xdotool search --pid "$CLOCK_PID" --name '^Tikloom$' 2>/dev/null | head -1) && [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no message when the customizer is missing"
screenshot "$CLOCK_WORK/missing.png"
keep_picture "$CLOCK_WORK/missing.png" customize-missing.png
xdotool key Return
sleep 0.3

# A stand-in customizer that records where and how it was started.
cat >"$CLOCK_FOLDER/tikstyle" <<SCRIPT
#!/bin/sh
pwd > "$CLOCK_WORK/started-in"
env > "$CLOCK_WORK/started-with"
echo \$\$ > "$CLOCK_WORK/started-pid"
exec sleep 30
SCRIPT
chmod +x "$CLOCK_FOLDER/tikstyle"
choose_customize
for _ in $(seq 30); do
    [ -s "$CLOCK_WORK/started-with" ] && break
    sleep 0.1
done
[ -s "$CLOCK_WORK/started-with" ] || fail "the customizer was not started"
[ "$(cat "$CLOCK_WORK/started-in")/" = "$(cd "$CLOCK_FOLDER" && pwd)/" ] ||
    fail "customizer started in $(cat "$CLOCK_WORK/started-in")"
! grep -q '^QT_NO_GLIB=' "$CLOCK_WORK/started-with" || fail "the clock's own settings leaked to the customizer"
! grep -q '^QT_ENABLE_HIGHDPI_SCALING=0' "$CLOCK_WORK/started-with" || fail "scaling switched off for the customizer"
# The clock goes on at once: its menu opens again while the customizer runs.
xdotool mousemove 164 164 keydown ctrl sleep 0.4 click 3 sleep 0.4 keyup ctrl
sleep 0.2
menus=$(xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null | wc -l)
[ "$menus" -ge 2 ] || fail "the clock did not answer while the customizer runs"
xdotool key Escape
kill "$(cat "$CLOCK_WORK/started-pid")" # the stand-in, detached from the clock
echo PASS
