#!/bin/bash
# The clock on the desktops people run, in one X session with a tiling
# window manager (i3), an XEmbed tray (trayer) and a private session bus:
#  - `tikloom --toggle` minimises and restores the running clock, and starts
#    a shown clock when none runs;
#  - the hot key still works after the keyboard mapping changes;
#  - with a StatusNotifier watcher on the bus the icon goes there, not into
#    the XEmbed tray, and one Activate restores the clock;
#  - the position in [Window] is the one the clock asked for, though i3
#    offsets a floating window by its decoration: three starts and exits
#    leave it as it was;
#  - a Ctrl-drag is saved even when the session ends by the X server going
#    away, which ends the clock without the orderly exit (the last step).
# Each step starts its own clock and ends it; the session stays.
# TIKLOOM_E2E_WM=openbox runs the steps under openbox instead of i3.

# A private session bus for the whole run: the watcher and the clock meet there.
if [ -z "${TIKLOOM_E2E_PRIVATE_BUS:-}" ]; then
    exec dbus-run-session -- env TIKLOOM_E2E_PRIVATE_BUS=1 bash "$0" "$@"
fi
source "$(dirname "$0")/lib_clock.sh" "$1" 57
TRAY_HELPER=$(dirname "$0")/status_notifier_tray.py

# --- The session ---------------------------------------------------------------

start_display 800x600x24
XVFB_PID=$LAST_PID
case ${TIKLOOM_E2E_WM:-i3} in
i3)
    # No bar: i3bar would be a second XEmbed tray.
    printf '%s\n' '# i3 config file (v4)' 'font pango:monospace 8' 'focus_follows_mouse no' \
        'for_window [class="^Tikloom$"] floating enable' >"$CLOCK_WORK/i3.config"
    background i3 -c "$CLOCK_WORK/i3.config"
    ;;
openbox) background openbox --config-file /dev/null ;;
esac
for i in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
background trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 24
sleep 0.5

has_embedded_icon() { tray_icon >/dev/null; }
no_embedded_icon() { ! tray_icon >/dev/null; }
shown() { [ "$(map_state)" = IsViewable ]; }
hidden() { [ "$(map_state)" = IsUnMapped ]; }
end_clock() {
    kill -TERM "$CLOCK_PID"
    wait_for_exit "$CLOCK_PID"
    [ "$EXITED_CODE" = 0 ] || fail "the clock ended with code $EXITED_CODE"
}

# --- tikloom --toggle --------------------------------------------------------------

step_toggle() {
    # No clock runs: --toggle starts one, shown although the settings say minimised.
    write_ini '[Window]\nLeft=300\nTop=200\nMinimized=1\n'
    background "$CLOCK_FOLDER/tikloom" --toggle
    CLOCK_PID=$LAST_PID
    wait_for_clock
    no_embedded_icon || fail "--toggle started the clock in the tray"

    # A running clock: minimised, then shown again; each call ends with 0.
    timeout 10 "$CLOCK_FOLDER/tikloom" --toggle || fail "--toggle to a shown clock: code $?"
    wait_until "--toggle did not minimise the clock" hidden
    wait_until "--toggle gave no tray icon" has_embedded_icon
    timeout 10 "$CLOCK_FOLDER/tikloom" --toggle || fail "--toggle to a minimised clock: code $?"
    wait_until "--toggle did not restore the clock" shown
    wait_until "the tray icon stayed after --toggle" no_embedded_icon
    kill -0 "$CLOCK_PID" || fail "the first clock ended"
    [ "$(xdotool search --class '^Tikloom$' | wc -l)" = 1 ] || fail "a second clock window exists"
    end_clock
    [ "$(ini_value Window Minimized)" = 0 ] || fail "Minimized not saved as 0 after --toggle"
}

# --- The hot key across keymap changes ----------------------------------------------

keycode_of() { # keysym
    xmodmap -pke | awk -v k="$1" '$3 == "=" && $4 == k {print $2; exit}'
}
# Super+C minimises, then restores.
hot_key_toggles() { # what
    xdotool key super+c
    wait_until "super+c did not minimise $1" hidden
    xdotool key super+c
    wait_until "super+c did not restore $1" shown
}

keys_window() { xdotool search --name '^keys$' | head -1 | grep .; }

step_hot_key_after_keymap_change() {
    setxkbmap us
    write_ini '[Window]\nLeft=300\nTop=200\nMinimized=0\n'
    start_clock
    wait_for_clock
    xdotool mousemove 700 500
    hot_key_toggles "under us"
    local before
    before=$(keycode_of c)
    setxkbmap dvorak
    [ "$(keycode_of c)" != "$before" ] || fail "dvorak left c on keycode $before"
    sleep 0.5 # the clock grabs again once the burst of notifications is over
    hot_key_toggles "after the change to dvorak"
    # The old keycode is free again: under dvorak it is j, and Super+J
    # reaches the focused window instead of a grab the clock forgot.
    background xev -event keyboard -name keys
    local xev=$LAST_PID
    wait_until "no window to type into" keys_window
    xdotool windowfocus --sync "$(keys_window)"
    xdotool key super+j
    wait_until "super+j (the old keycode of c) did not reach the focused window" \
        grep -q 'keysym 0x6a, j)' "$CLOCK_WORK/background.log"
    shown || fail "super+j minimised the clock"
    kill "$xev"
    setxkbmap us
    sleep 0.5
    hot_key_toggles "back under us"
    end_clock
}

# --- A StatusNotifier tray beside the XEmbed tray -------------------------------------

tray_state() { # field
    awk -v f="$1" '$1 == f {sub(/^[^ ]+ /, ""); print}' "$CLOCK_WORK/sni.state" 2>/dev/null
}
item_registered() { [ -n "$(tray_state item)" ]; }
no_item() { [ -z "$(tray_state item)" ]; }

# Our StatusNotifier watcher (and host, unless --no-host), then a clock
# minimised with the hot key.
start_tray_and_minimised_clock() { # [--no-host]
    rm -f "$CLOCK_WORK/sni.state"
    background /usr/bin/python3 "$TRAY_HELPER" "$CLOCK_WORK/sni.state" "$@"
    TRAY_HELPER_PID=$LAST_PID
    wait_until "the StatusNotifier watcher did not start" test -s "$CLOCK_WORK/sni.state"
    write_ini '[Window]\nLeft=300\nTop=200\nMinimized=0\n'
    start_clock
    wait_for_clock
    xdotool mousemove 700 500 key super+c
}

step_status_notifier() {
    start_tray_and_minimised_clock
    local helper=$TRAY_HELPER_PID
    wait_until "the clock did not minimise" hidden
    wait_until "no item registered with the watcher" item_registered
    no_embedded_icon || fail "the clock docked in the XEmbed tray although a watcher runs"

    # Live: the host fetches a new picture as the seconds pass.
    local first
    first=$(tray_state icons)
    sleep 2.2
    [ "$(tray_state icons)" -ge $((first + 2)) ] ||
        fail "icon fetched $(tray_state icons) times after $first in 2 s"
    [ -n "$(tray_state sizes)" ] || fail "no icon pixmaps"
    case $(tray_state menu) in
    "" | /NO_DBUSMENU) fail "the item offers no menu ($(tray_state menu))" ;;
    esac
    # The menu the tray shows is the clock's tray menu.
    read -r service path <<<"$(tray_state item)"
    dbus-send --session --print-reply --dest="$service" "$(tray_state menu)" \
        com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:label \
        >"$CLOCK_WORK/menu.txt" || fail "the item's menu could not be read"
    grep -q '"_Restore"' "$CLOCK_WORK/menu.txt" && grep -q '"E_xit"' "$CLOCK_WORK/menu.txt" ||
        fail "the item's menu is not the tray menu: $(grep -o '"[^"]*"' "$CLOCK_WORK/menu.txt" | tr '\n' ' ')"

    # One Activate restores the clock; the item leaves the watcher.
    dbus-send --session --type=method_call --dest="$service" "$path" \
        org.kde.StatusNotifierItem.Activate int32:10 int32:10 ||
        fail "Activate could not be sent"
    wait_until "Activate did not restore the clock" shown
    wait_until "the item stayed registered after the restore" no_item
    no_embedded_icon || fail "an XEmbed icon after the restore"
    end_clock
    kill "$helper"
    wait "$helper" 2>/dev/null
}

# --- The same, with a watcher that has no host yet ------------------------------------

# No panel shows items: the XEmbed tray takes the icon.
step_watcher_without_host() {
    start_tray_and_minimised_clock --no-host
    local helper=$TRAY_HELPER_PID
    wait_until "no XEmbed icon while the watcher has no host" has_embedded_icon
    no_item || fail "an item registered with a watcher without a host"
    end_clock
    kill "$helper"
    wait "$helper" 2>/dev/null
}

# --- The position the clock asked for ---------------------------------------------

step_position_kept() {
    # Clicks pass through the clock unless Ctrl is held; so far away from it
    # that it stays at its highest opacity.
    xdotool mousemove 790 590
    write_ini '[Window]\nLeft=400\nTop=300\nMinimized=0\n'
    local start first_place
    for start in 1 2 3; do
        start_clock
        wait_for_clock
        sleep 0.5
        [ "$start" = 1 ] && first_place=$(clock_position) &&
            echo "the window manager shows the clock asked for at 400,300 at $first_place"
        [ "$(clock_position)" = "$first_place" ] ||
            fail "start $start placed the clock at $(clock_position), the first at $first_place"
        end_clock
        [ "$(ini_value Window Left),$(ini_value Window Top)" = 400,300 ] ||
            fail "after start $start (shown at $(clock_position)) saved $(ini_value Window Left),$(ini_value Window Top)"
    done
    # Moved later by someone else (here another program, through the window
    # manager): the user's new place is saved, less the window manager's offset.
    start_clock
    wait_for_clock
    sleep 1.5
    xdotool windowmove "$CLOCK_WINDOW" $((${first_place%,*} + 50)) $((${first_place#*,} + 40))
    sleep 0.5
    local moved=$(clock_position)
    end_clock
    [ "$(ini_value Window Left),$(ini_value Window Top)" = 450,340 ] ||
        fail "moved from $first_place to $moved: saved $(ini_value Window Left),$(ini_value Window Top)"
}

# A Ctrl-drag by (+120, -90), then the X server dies: the session is over.
step_drag_then_x_server_dies() {
    write_ini '[Window]\nLeft=400\nTop=300\nMinimized=0\n'
    start_clock
    wait_for_clock
    sleep 0.5
    local before after press_x press_y
    before=$(clock_position)
    press_x=$((${before%,*} + 64))
    press_y=$((${before#*,} + 80))
    xdotool mousemove "$press_x" "$press_y" keydown ctrl sleep 0.4 mousedown 1 sleep 0.1 \
        mousemove $((press_x + 5)) $((press_y - 4)) sleep 0.1 \
        mousemove $((press_x + 40)) $((press_y - 30)) sleep 0.1 \
        mousemove $((press_x + 90)) $((press_y - 70)) sleep 0.1 \
        mousemove $((press_x + 120)) $((press_y - 90)) sleep 0.3 \
        mouseup 1 sleep 0.2 keyup ctrl
    sleep 0.4
    after=$(clock_position)
    [ "$after" = "$((${before%,*} + 120)),$((${before#*,} - 90))" ] ||
        fail "dragged by (+120, -90) from $before, shown at $after"
    screenshot "$CLOCK_WORK/dragged.png"
    keep_picture "$CLOCK_WORK/dragged.png" desktops-dragged.png
    kill -KILL "$XVFB_PID"
    wait_for_exit "$CLOCK_PID"
    [ "$(ini_value Window Left),$(ini_value Window Top)" = 520,210 ] ||
        fail "the X server went away after a drag to 520,210: saved $(ini_value Window Left),$(ini_value Window Top)"
}

step_toggle
step_hot_key_after_keymap_change
step_status_notifier
step_watcher_without_host
step_position_kept
step_drag_then_x_server_dies
echo PASS
