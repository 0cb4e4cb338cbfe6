#!/bin/bash
# Choosing German on the customizer's Options page switches both programs at
# once: the running clock's context menu and the customizer's own captions.
# Pictures of both menus and both forms are kept when TIKLOOM_E2E_KEEP is set.
if [ ! -x "$1/tikloom" ] || [ ! -x "$1/tikstyle" ] || [ ! -f "$1/DEU.lng" ]; then
    echo "skipped: the clock, the customizer or DEU.lng is not built"
    exit 0
fi
source "$(dirname "$0")/lib_clock.sh" "$1" 196
export XDG_CONFIG_HOME=$CLOCK_WORK/config
# Wide enough that the centred customizer leaves the clock's menu area free.
start_display 1600x1000x24
background openbox
sleep 0.5

write_ini '[Window]\nLeft=100\nTop=100\nMinimized=0\n[Theme]\nFileName=default.tkm\n'
start_clock
wait_for_clock

# Opens the clock's context menu (Ctrl + right click), takes a picture of the
# area where it opens, and closes it again.
menu_picture() { # file
    hold_key ctrl 3
    xdotool mousemove 164 164 click 3
    sleep 0.8
    screenshot "$CLOCK_WORK/screen.png"
    convert "$CLOCK_WORK/screen.png" -crop 260x160+160+160 +repage "$1"
    xdotool key Escape
    wait "$HOLD_PID" 2>/dev/null
    sleep 0.3
}

different() { # a b minimum-pixels
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1)
    [ "${n%%.*}" -ge "$3" ]
}

screenshot "$CLOCK_WORK/screen.png"
convert "$CLOCK_WORK/screen.png" -crop 260x160+160+160 +repage "$CLOCK_WORK/no-menu.png"
menu_picture "$CLOCK_WORK/menu-en.png"
different "$CLOCK_WORK/no-menu.png" "$CLOCK_WORK/menu-en.png" 2000 || fail "no menu opened"
keep_picture "$CLOCK_WORK/menu-en.png" language-menu-english.png

background "$CLOCK_FOLDER/tikstyle"
CUSTOMIZER_PID=$LAST_PID
for i in $(seq 100); do
    FORM=$(xdotool search --onlyvisible --pid "$CUSTOMIZER_PID" --name '^Tikloom Customizer$' \
        2>/dev/null | head -1)
    [ -n "$FORM" ] && break
    sleep 0.1
done
[ -n "$FORM" ] || fail "the customizer window did not appear"
sleep 1
xdotool windowactivate --sync "$FORM" 2>/dev/null
# Position and size of the form's client area on the screen.
X=$(xwininfo -id "$FORM" | awk '/Absolute upper-left X/{print $4}')
Y=$(xwininfo -id "$FORM" | awk '/Absolute upper-left Y/{print $4}')
WIDTH=$(xwininfo -id "$FORM" | awk '/Width:/{print $2}')
HEIGHT=$(xwininfo -id "$FORM" | awk '/Height:/{print $2}')

form_picture() { # file
    screenshot "$CLOCK_WORK/screen.png"
    convert "$CLOCK_WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$1"
}

# Options tab, then the language list: type the start of "Deutsch" and Enter.
xdotool mousemove $((X + 100)) $((Y + 20)) click 1
sleep 0.5
form_picture "$CLOCK_WORK/form-en.png"
keep_picture "$CLOCK_WORK/form-en.png" language-form-english.png
xdotool mousemove $((X + 160)) $((Y + 138)) click 1
sleep 0.5
xdotool type --delay 100 Deu
xdotool key Return
sleep 1.5

[ "$(ini_value Locale Language)" = DEU.lng ] || fail "Language not stored: '$(ini_value Locale Language)'"
kill -0 "$CLOCK_PID" || fail "the clock ended"
[ "$(xdotool search --class '^Tikloom$' | wc -l)" -ge 1 ] || fail "no clock window"

form_picture "$CLOCK_WORK/form-de.png"
keep_picture "$CLOCK_WORK/form-de.png" language-form-german.png
# The tab titles and the group titles of the Options page are German now.
convert "$CLOCK_WORK/form-en.png" -crop 400x200+0+0 +repage "$CLOCK_WORK/top-en.png"
convert "$CLOCK_WORK/form-de.png" -crop 400x200+0+0 +repage "$CLOCK_WORK/top-de.png"
different "$CLOCK_WORK/top-en.png" "$CLOCK_WORK/top-de.png" 200 ||
    fail "the customizer's captions did not change"
[ "$(xdotool getwindowname "$FORM")" = "Tikloom Customizer" ] || fail "window title changed"

# The clock reloaded its menu texts before the customizer went on.
menu_picture "$CLOCK_WORK/menu-de.png"
keep_picture "$CLOCK_WORK/menu-de.png" language-menu-german.png
different "$CLOCK_WORK/no-menu.png" "$CLOCK_WORK/menu-de.png" 2000 || fail "no menu opened again"
different "$CLOCK_WORK/menu-en.png" "$CLOCK_WORK/menu-de.png" 200 ||
    fail "the clock's menu did not change"
echo PASS
