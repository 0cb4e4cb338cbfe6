#!/bin/bash
# The installed layout, end to end: "cmake --install" into a temporary prefix,
# then the installed clock and customizer run with a temporary HOME. Settings
# land in the XDG folders; the shipped themes are listed and locked; a copy
# saved under a new name lands in the user's folder and the running clock
# shows it (its images found in the shipped folder); the prefix is unchanged.
source "$(dirname "$0")/lib_clock.sh" "$1" 192
BUILD=$(cd "$CLOCK_SOURCE_FOLDER/.." && pwd)
PREFIX=$CLOCK_WORK/prefix
export HOME=$CLOCK_WORK/home
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME"
CONFIG=$HOME/.config/tikloom/tikloom.ini
USER_THEMES=$HOME/.local/share/tikloom/Themes

cmake --install "$BUILD" --prefix "$PREFIX" >"$CLOCK_WORK/install.log" 2>&1 ||
    fail "cmake --install: $(tail -5 "$CLOCK_WORK/install.log")"
# The install must not depend on where it was built: move it after installing.
mv "$PREFIX" "$CLOCK_WORK/moved" && PREFIX=$CLOCK_WORK/moved
listing() { (cd "$PREFIX" && find . -printf '%p %s %m %T@\n' | sort); }
listing >"$CLOCK_WORK/before.txt"

# --help and --version need no display.
for program in tikloom tikstyle tikloom-theme; do
    out=$(env -u DISPLAY "$PREFIX/bin/$program" --version 2>&1) ||
        fail "$program --version failed"
    [[ $out =~ ^$program\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "$program --version said '$out'"
    env -u DISPLAY "$PREFIX/bin/$program" --help | grep -q "^usage: $program" ||
        fail "$program --help shows no usage"
done

shot() { # name
    screenshot "$CLOCK_WORK/$1.png"
    keep_picture "$CLOCK_WORK/$1.png" "installed_$1.png"
    local clock
    for clock in default slate mine; do
        [ -e "$CLOCK_WORK/$clock.png" ] && keep_picture "$CLOCK_WORK/$clock.png" "installed_clock_$clock.png"
    done
}
clock_picture() { # file
    local geometry
    geometry=$(xwininfo -id "$CLOCK_WINDOW" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print "128x128+" x "+" y}')
    import -window root -crop "$geometry" +repage "$1"
}
differing() { compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
theme_setting() { sed -n 's/^FileName=//p' "$CONFIG" 2>/dev/null | tr -d '\r'; }
theme_setting_is() { [ "$(theme_setting)" = "$1" ]; }
wait_until() { # tenths command...
    local tenths=$1 i
    shift
    for i in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

start_display 1024x768x24
background "$PREFIX/bin/tikloom"
CLOCK_PID=$LAST_PID
wait_for_clock
sleep 1
clock_picture "$CLOCK_WORK/default.png"

background "$PREFIX/bin/tikstyle"
wait_until 100 xdotool search --onlyvisible --class '^TTikloomCustomizer$' >/dev/null ||
    fail "the installed customizer did not show"
sleep 1
STYLE=$(xdotool search --onlyvisible --class '^TTikloomCustomizer$' | head -1)
xdotool windowmove "$STYLE" 200 0 # clear of the clock at (10, 10)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$STYLE")"

# The last entry of the list is the last shipped theme: choosing it reaches
# the clock through the settings file in the XDG config folder.
xdotool mousemove $((X + 70)) $((Y + 400)) click 1
sleep 0.3
xdotool key End
wait_until 50 theme_setting_is slate.tkm ||
    fail "choosing the last shipped theme wrote '$(theme_setting)' to $CONFIG"
sleep 1
clock_picture "$CLOCK_WORK/slate.png"
shot customizer_shipped
[ "$(differing "$CLOCK_WORK/default.png" "$CLOCK_WORK/slate.png")" -gt 1000 ] ||
    fail "the clock did not change to the shipped theme"

# Locked: Enter (Save) on the shipped theme's own name writes nothing.
xdotool key Return
sleep 0.5
[ ! -e "$USER_THEMES/slate.tkm" ] || fail "a shipped theme was saved over"
xdotool search --onlyvisible --name '^Error$' >/dev/null 2>&1 && xdotool key Return

# A new name saves the copy into the user's folder, and the clock shows it.
xdotool mousemove $((X + 350)) $((Y + 72)) click 1
xdotool key ctrl+a
xdotool type --delay 20 mine
xdotool key Return
wait_until 50 theme_setting_is mine.tkm || fail "saving as 'mine' wrote '$(theme_setting)'"
[ -f "$USER_THEMES/mine.tkm" ] || fail "the saved theme is not in $USER_THEMES"
sleep 1
clock_picture "$CLOCK_WORK/mine.png"
shot customizer_saved
changed=$(differing "$CLOCK_WORK/slate.png" "$CLOCK_WORK/mine.png")
[ "$changed" -lt 300 ] || fail "the clock shows the copy unlike the original ($changed pixels)"

kill -TERM "$CLOCK_PID"
wait_for_exit "$CLOCK_PID"
grep -q '^Left=' "$CONFIG" || fail "the clock's window settings are not in $CONFIG"

# The theme tool reads the same: the user's current theme, its hands image
# found among the shipped files.
"$PREFIX/bin/tikloom-theme" show >"$CLOCK_WORK/show.json" 2>"$CLOCK_WORK/show.err" ||
    fail "the installed tikloom-theme show failed"
[ ! -s "$CLOCK_WORK/show.err" ] || fail "tikloom-theme printed: $(cat "$CLOCK_WORK/show.err")"
grep -A1 '"HandsImageSize"' "$CLOCK_WORK/show.json" | grep -q '144' ||
    fail "the copied theme's hands image was not found: $(grep -A2 HandsImageSize "$CLOCK_WORK/show.json")"

listing >"$CLOCK_WORK/after.txt"
diff "$CLOCK_WORK/before.txt" "$CLOCK_WORK/after.txt" >"$CLOCK_WORK/prefix.diff" ||
    fail "the prefix changed: $(head -5 "$CLOCK_WORK/prefix.diff")"
echo PASS
