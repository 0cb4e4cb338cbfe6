#!/bin/bash
# The customizer's message boxes as the window system shows them: captioned
# exactly "Confirmation" or "Error" (nothing appended), and Open Folder, where
# nothing can open folders, names the theme folder instead of failing silently.
source "$(dirname "$0")/lib_clock.sh" "$1" 191
start_display 1024x700x24
write_ini '[Theme]\nFileName=linen.tkm\n'
background "$CLOCK_FOLDER/tikstyle"
CUSTOMIZER_PID=$LAST_PID

form=""
for i in $(seq 100); do
    form=$(xdotool search --pid "$CUSTOMIZER_PID" --onlyvisible --name '^Tikloom Customizer$' 2>/dev/null | head -1)
    [ -n "$form" ] && break
    sleep 0.1
done
[ -n "$form" ] || fail "the customizer did not appear"
sleep 0.5
left=$(xwininfo -id "$form" | awk '/Absolute upper-left X/{print $4}')
top=$(xwininfo -id "$form" | awk '/Absolute upper-left Y/{print $4}')

# The names of the customizer's other visible windows (its message boxes).
box_names() {
    local id
    for id in $(xdotool search --pid "$CUSTOMIZER_PID" --onlyvisible --name . 2>/dev/null); do
        [ "$id" = "$form" ] || xdotool getwindowname "$id"
    done
}

wait_for_box() { # name
    for i in $(seq 50); do
        [ "$(box_names)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "expected a box captioned \"$1\", saw: $(box_names | tr '\n' '|')"
}

# Delete on the selected theme asks for confirmation; Escape answers No.
xdotool mousemove $((left + 680)) $((top + 75)) click 1
wait_for_box Confirmation
xdotool key Escape
sleep 0.3
[ -f "$CLOCK_FOLDER/Themes/linen.tkm" ] || fail "Escape deleted the theme"

# Open Folder with no program for folders (this machine has none set up).
if ! command -v xdg-open >/dev/null; then
    xdotool mousemove $((left + 75)) $((top + 499)) click 1
    wait_for_box Error
    screenshot "$CLOCK_WORK/folder.png"
    keep_picture "$CLOCK_WORK/folder.png" customizer-open-folder.png
    xdotool key Return
fi
echo PASS
