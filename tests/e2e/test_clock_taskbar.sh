#!/bin/bash
# The clock stays out of taskbars and pagers: its window states say so when it
# first shows, again after a stay in the tray, and under a window manager
# that keeps the states itself.
source "$(dirname "$0")/lib_clock.sh" "$1" 188
start_display 800x600x24

window_states() {
    xprop -id "$CLOCK_WINDOW" _NET_WM_STATE
}

expect_out_of_taskbar() { # when
    local states
    states=$(window_states)
    case "$states" in *_NET_WM_STATE_SKIP_TASKBAR*) ;; *) fail "$1: in the taskbar ($states)" ;; esac
    case "$states" in *_NET_WM_STATE_SKIP_PAGER*) ;; *) fail "$1: in the pager ($states)" ;; esac
    # The states Qt adds for an always-on-top window are still there.
    case "$states" in *_NET_WM_STATE_ABOVE*) ;; *) fail "$1: not above ($states)" ;; esac
}

# Without a window manager the states are the clock's own.
write_ini '[Window]\nLeft=200\nTop=200\nMinimized=0\n'
start_clock
wait_for_clock
expect_out_of_taskbar "first show"

# Through the tray and back (the hot key, Win+C).
background trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 24
sleep 0.5
xdotool mousemove 700 500 key super+c
wait_for_map_state IsUnMapped
xdotool key super+c
wait_for_map_state IsViewable
expect_out_of_taskbar "restored from the tray"
kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"

# A window manager takes the states over when it maps the window.
background openbox
sleep 1
start_clock
wait_for_clock
sleep 0.5
expect_out_of_taskbar "under openbox"
echo PASS
