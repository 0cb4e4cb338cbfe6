#!/usr/bin/env bash
# Tests the Windows build (scripts/build-windows.sh first) under Wine: every
# unit-test program of build-windows/, then the unpacked zip end to end: the
# clock's window, a second start, the orderly close that saves, the hot key
# and the tray as far as Wine shows them, the theme tool against the Linux
# build's (build/bin), and the customizer's form and a theme it saves.
# Screenshots land in TIKLOOM_WINDOWS_SHOTS (default /tmp/winshots).
# Closes with "N passed, N failed".
set -u
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${TIKLOOM_WINDOWS_BUILD:-$ROOT/build-windows}"
LINUX_BIN="${TIKLOOM_LINUX_BIN:-$ROOT/build/bin}"
SHOTS="${TIKLOOM_WINDOWS_SHOTS:-/tmp/winshots}"
FIRST_DISPLAY_NUMBER=$((20 + ${TIKLOOM_E2E_DISPLAY_OFFSET:-500}))
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# --- What the test needs ----------------------------------------------------------
PACKAGES=(xvfb xdotool x11-utils imagemagick picom trayer wine wine64 unzip)
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
ZIP=$(ls "$BUILD"/tikloom-*-windows-x64.zip 2>/dev/null | head -1)
if [ -z "$ZIP" ]; then
    echo "no zip in $BUILD: run scripts/build-windows.sh first" >&2
    exit 1
fi
QT=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$BUILD/CMakeCache.txt")

passed=0
failed=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        echo "ok   - $what"
        passed=$((passed + 1))
    else
        echo "FAIL - $what"
        failed=$((failed + 1))
    fi
}
note() { echo "     $*"; }

WORK=$(mktemp -d /tmp/tikloom-wine-test.XXXXXX)
mkdir -p "$SHOTS"
BACKGROUND_PIDS=()
cleanup() {
    wineserver -k 2>/dev/null
    for pid in "${BACKGROUND_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT
background() { # command...: started in the background, ended at the close
    "$@" >>"$WORK/background.log" 2>&1 &
    LAST_PID=$!
    BACKGROUND_PIDS+=("$LAST_PID")
}
wait_for() { # tenths of a second, command...
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# --- Wine on a display of its own ----------------------------------------------------
for number in $(seq "$FIRST_DISPLAY_NUMBER" $((FIRST_DISPLAY_NUMBER + 20))); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    export DISPLAY=":$number"
    background Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp
    wait_for 50 xdpyinfo && break
done
export WINEPREFIX="$WORK/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree=;mshtml="
started=$(date +%s)
wineboot -i >"$WORK/wineboot.log" 2>&1
wineserver -w
note "Wine prefix made in $(($(date +%s) - started)) s"
wineserver -p # one server for every program below: each start is quicker
wine_path() { winepath -w "$1" 2>/dev/null; }

# --- The unit tests --------------------------------------------------------------------
# ctest runs them through Wine (the build's emulator) with their own
# environment; Qt's and the MinGW runtime's DLLs come from WINEPATH.
runtime_lib=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
WINEPATH="$(wine_path "$QT/bin");$(wine_path "$runtime_lib");$(wine_path /usr/x86_64-w64-mingw32/lib)" \
    QT_PLUGIN_PATH="$(wine_path "$QT/plugins")" \
    ctest --test-dir "$BUILD" -L '^unit$' --timeout 300 --output-on-failure >"$WORK/ctest.log" 2>&1
while read -r name result; do
    check "unit test $name under Wine" [ "$result" = Passed ]
done < <(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) [ .*]*\([A-Za-z]*\).*/\1 \2/p' "$WORK/ctest.log")
grep -E '^\s+[0-9]+ - ' "$WORK/ctest.log" | sed 's/^/     failed: /'
cp "$WORK/ctest.log" "$SHOTS/unit-tests-under-wine.log"

# --- The unpacked zip, run from another folder -------------------------------------------
unzip -q "$ZIP" -d "$WORK/unpacked"
APP=$(ls -d "$WORK"/unpacked/tikloom-*)
ELSEWHERE="$WORK/elsewhere"
mkdir -p "$ELSEWHERE"
INI="$APP/tikloom.ini"
ini_value() { # section key
    awk -F= -v s="[$1]" -v k="$2" '{sub(/\r$/, "")} $0 == s {in_s = 1; next}
        /^\[/ {in_s = 0} in_s && $1 == k {print substr($0, length(k) + 2); exit}' "$INI"
}
windows_of() { # exe name -> its X windows that are mapped
    local id
    for id in $(xdotool search --class "^$1\$" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id"
    done
}
geometry_of() { # window -> "X Y W H"
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
clock_window() { # fails while the clock shows no window
    local id
    id=$(windows_of tikloom.exe | head -1)
    [ -n "$id" ] && echo "$id"
}
shoot() { # window, file: the window's square on the screen
    local x y w h
    read -r x y w h <<<"$(geometry_of "$1")"
    import -window root -crop "${w}x${h}+$x+$y" +repage "$2"
}
differing_pixels() { # a b
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1)
    echo "${n%%.*}"
}

# A compositor, so the clock's see-through corners show as they would on Windows.
background picom --backend xrender
printf '[Window]\r\nLeft=200\r\nTop=150\r\nMinimized=0\r\n[Theme]\r\nFileName=default.tkm\r\n' >"$INI"
(cd "$ELSEWHERE" && exec wine "$APP/tikloom.exe") >"$WORK/clock.log" 2>&1 &
CLOCK_PID=$!
check "the clock's window appears" wait_for 300 clock_window
WINDOW=$(clock_window)
sleep 1
if [ -n "$WINDOW" ]; then
    check "at the saved position, 128 x 128" [ "$(geometry_of "$WINDOW")" = "200 150 128 128" ]
    note "window: $(geometry_of "$WINDOW")"
    shoot "$WINDOW" "$SHOTS/clock-default.png"
    import -window root "$SHOTS/clock-screen.png"
    colour_at() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | awk 'NR==2{print $3}'; }
    corner=$(colour_at "$SHOTS/clock-default.png" 1 1)
    desktop=$(colour_at "$SHOTS/clock-screen.png" 5 700)
    check "its corner shows the desktop behind it ($corner)" [ "$corner" = "$desktop" ]
fi

# A second start: the first clock reloads (a new theme shows) and goes on,
# the second ends with 0.
sed -i 's/^FileName=.*/FileName=slate.tkm\r/' "$INI"
(cd "$ELSEWHERE" && timeout 60 wine "$APP/tikloom.exe") >"$WORK/second.log" 2>&1
check "a second start ends with 0" [ $? -eq 0 ]
check "the first clock goes on" kill -0 "$CLOCK_PID"
check "one clock window" [ "$(windows_of tikloom.exe | wc -l)" -eq 1 ]
if [ -n "$WINDOW" ]; then
    sleep 0.5
    shoot "$WINDOW" "$SHOTS/clock-reloaded.png"
    changed=$(differing_pixels "$SHOTS/clock-default.png" "$SHOTS/clock-reloaded.png")
    check "the reload shows the new theme ($changed pixels changed)" [ "${changed:-0}" -gt 3000 ]
fi

# The hot key (Win+C by default) minimises to the tray. Wine grabs no keys
# on the X server: a hot key reaches it only while one of its windows has the
# keyboard, so the pointer rests on the clock (X's focus follows it here).
background trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 24
TRAYER_PID=$LAST_PID
sleep 1
tray_icon() { # the icon window Wine docked in the tray (its class is Wine's, not the clock's)
    local tray
    for tray in $(xdotool search --class '^trayer$' 2>/dev/null); do
        xwininfo -tree -id "$tray" | awk '/\.exe"\)/{print $1; exit}' | grep . && return 0
    done
    return 1
}
clock_hidden() { [ -z "$(clock_window)" ]; }
xdotool mousemove 264 214 sleep 0.3 key super+c
minimized=0
if wait_for 50 clock_hidden; then
    minimized=1
    check "the hot key hides the clock" true
    check "its tray icon docks in the XEmbed tray" wait_for 50 tray_icon
    import -window root "$SHOTS/clock-in-tray.png"
    icon=$(tray_icon)
    if [ -n "$icon" ]; then
        read -r ix iy iw ih <<<"$(geometry_of "$icon")"
        xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) sleep 0.3 click --repeat 2 --delay 80 1
    fi
    if [ -n "$icon" ]; then
        check "a double click on the tray icon brings it back" wait_for 50 clock_window
        minimized=0
    else
        note "no tray icon to bring the clock back: it stays minimised"
    fi
else
    note "the hot key did not reach the clock under Wine (Wine sees keys only in its own windows)"
fi
kill "$TRAYER_PID" 2>/dev/null

# Closing: Windows ends the clock at log-off (WM_QUERYENDSESSION and
# WM_ENDSESSION, which wineboot sends), and the clock then saves [Window].
# The section is removed first, so only the save can bring it back.
sed -i '/^\[Window\]/,/^\[/{/^\[Theme\]/!d}' "$INI"
wineboot -e >/dev/null 2>&1
check "ending the session ends the clock" wait_for 100 bash -c "! kill -0 $CLOCK_PID"
check "the close saved the window's place ($(ini_value Window Left),$(ini_value Window Top))" \
    [ "$(ini_value Window Left),$(ini_value Window Top),$(ini_value Window Minimized)" = "200,150,$minimized" ]
wineserver -p

# --- The theme tool: the same face as the Linux build --------------------------------------
if [ -x "$LINUX_BIN/tikloom-theme" ]; then
    for theme in "$APP"/Themes/*.tkm; do
        name=$(basename "$theme" .tkm)
        # The same theme without its tick numbers and caption: the images and
        # the ticks alone, which the fonts of the two systems cannot change.
        sed -e 's/^ShowTickNumbers=.*/ShowTickNumbers=0\r/' -e 's/^ShowCaption=.*/ShowCaption=0\r/' \
            "$theme" >"$WORK/$name-notext.tkm"
        for kind in face full notext; do
            option=()
            [ $kind != full ] && option=(--face-only)
            [ $kind = notext ] && theme="$WORK/$name-notext.tkm"
            args=(render --program-folder "$APP" "$theme" --time 10:08:37 --date 2026-03-14 "${option[@]}")
            (cd "$ELSEWHERE" && wine "$APP/tikloom-theme.exe" "${args[@]}" -o "$SHOTS/render-$name-$kind-windows.png") \
                >>"$WORK/render.log" 2>&1
            "$LINUX_BIN/tikloom-theme" "${args[@]}" -o "$WORK/render-$name-$kind-linux.png" >>"$WORK/render.log" 2>&1
            cp "$WORK/render-$name-$kind-linux.png" "$SHOTS/" 2>/dev/null
            windows_png="$SHOTS/render-$name-$kind-windows.png"
            linux_png="$WORK/render-$name-$kind-linux.png"
            if [ -f "$windows_png" ] && [ -f "$linux_png" ]; then
                count=$(differing_pixels "$windows_png" "$linux_png")
                peak=$(compare -metric PAE "$windows_png" "$linux_png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
                note "$name $kind: $count of 16384 pixels differ, the largest difference $peak of 1"
                if [ $kind = notext ]; then
                    # The theme's images composed and the ticks drawn by the
                    # same code: the same pixels, give or take rounding.
                    check "theme $name without text: the Windows face matches Linux's" \
                        awk -v p="$peak" 'BEGIN{exit !(p <= 0.02)}'
                fi
            else
                check "theme $name $kind: both builds render" false
            fi
        done
    done
else
    note "no Linux build at $LINUX_BIN: the render comparison is left out"
fi

# --- The customizer: its form, and a theme it saves ---------------------------------------
printf '[Theme]\r\nFileName=slate.tkm\r\n' >"$INI"
(cd "$ELSEWHERE" && exec wine "$APP/tikstyle.exe") >"$WORK/tikstyle.log" 2>&1 &
STYLE_PID=$!
form_window() {
    local id
    for id in $(windows_of tikstyle.exe); do
        read -r _ _ w _ <<<"$(geometry_of "$id")"
        [ "$w" -gt 300 ] && echo "$id" && return 0
    done
    return 1
}
check "the customizer's form appears" wait_for 300 form_window
FORM=$(form_window)
if [ -n "$FORM" ]; then
    sleep 2
    shoot "$FORM" "$SHOTS/customizer.png"
    note "form: $(geometry_of "$FORM")"
    # Save the shown theme under a new name with the access keys: a click on
    # the form's empty corner gives it the keyboard, Alt+N the name box, Alt+S Save.
    read -r fx fy fw fh <<<"$(geometry_of "$FORM")"
    xdotool mousemove $((fx + fw * 85 / 100)) $((fy + fh * 90 / 100)) click 1 sleep 0.3 \
        key alt+n sleep 0.2 key ctrl+a type winsaved
    sleep 0.3
    xdotool key alt+s
    saved="$APP/Themes/winsaved.tkm"
    # The customizer writes the theme key by key: wait until the file rests.
    settled() {
        local before
        before=$(stat -c %s.%Y "$saved" 2>/dev/null) || return 1
        sleep 0.5
        [ "$before" = "$(stat -c %s.%Y "$saved")" ]
    }
    check "the customizer saves a theme" wait_for 100 settled
    shoot "$FORM" "$SHOTS/customizer-saved.png"
    if [ -s "$saved" ]; then
        cp "$saved" "$SHOTS/winsaved.tkm"
        # Linux reads the saved theme as the one it was made from, and as
        # the Windows build reads it.
        "$LINUX_BIN/tikloom-theme" show --program-folder "$APP" "$saved" >"$WORK/saved-linux.json"
        "$LINUX_BIN/tikloom-theme" show --program-folder "$APP" "$APP/Themes/slate.tkm" >"$WORK/slate-linux.json"
        (cd "$ELSEWHERE" && wine "$APP/tikloom-theme.exe" show --program-folder "$APP" "$saved") |
            tr -d '\r' >"$WORK/saved-windows.json"
        note "saved theme $(wc -c <"$saved") bytes, CRLF lines: $(grep -c $'\r$' "$saved")"
        check "Linux reads the saved theme as the one it came from" \
            diff "$WORK/slate-linux.json" "$WORK/saved-linux.json"
        check "Linux reads it as the Windows build does" \
            diff "$WORK/saved-windows.json" "$WORK/saved-linux.json"
    fi
fi
wineboot -e >/dev/null 2>&1

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
