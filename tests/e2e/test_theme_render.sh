#!/usr/bin/env bash
# tikloom-theme render, as a theme author uses it: a theme made here (images
# drawn with ImageMagick), rendered at given times, read back as PNG pixels.
# Needs no display: the tool draws off screen.
set -u

PROGRAM_FOLDER=${1:?program folder}
TOOL="$PROGRAM_FOLDER/tikloom-theme"
WORK=$(mktemp -d /tmp/tikloom-render-e2e.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM

failures=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        echo "ok   - $what"
    else
        echo "FAIL - $what"
        failures=$((failures + 1))
    fi
}
pixel() { # file x y -> "r,g,b,a" (0..255 each)
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)],%[fx:int(255*p{$2,$3}.a+0.5)]" info:
}
same_pixels() { # file file
    [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]
}
different_pixels() { # file file
    ! same_pixels "$1" "$2"
}

APP=$WORK/app
mkdir -p "$APP/Themes"
convert -size 64x64 xc:white "$APP/Themes/white.png"
convert -size 64x64 xc:white "$APP/Themes/mask.png"
cat > "$APP/Themes/plain.tkm" <<'THEME'
[Background]
ImageFile=Themes\white.png
MaskFile=Themes\mask.png
OverlayFile=
[Options]
HandsImage=
ShowSecHand=0
ShowMajorTicks=0
ShowMinorTicks=0
ShowTickNumbers=0
ShowCaption=0
ShowSecShadow=0
UseMaskImage=1
UseOverlayImage=0
[Dimension]
CenterX=640
CenterY=640
ImageLeft=0
ImageTop=0
ImageWidth=1280
ImageHeight=1280
HourWidth=40
HourHeadLength=80
MinWidth=40
MinHeadLength=100
[Color]
HourColor=4294901760
MinColor=4278190335
THEME
printf '[Theme]\nFileName=plain.tkm\n' > "$APP/tikloom.ini"

# 3:00:00: the hour hand (red) points right, the minute hand (blue) up.
"$TOOL" render --program-folder "$APP" --time 03:00:00 --date 2026-03-14 -o "$WORK/three.png"
check "render exits 0 and writes a 128 x 128 RGBA PNG" \
    [ "$(identify -format '%w %h %[channels]' "$WORK/three.png" 2>/dev/null)" = "128 128 srgba" ]
check "hour hand at 3 o'clock" [ "$(pixel "$WORK/three.png" 90 64)" = "255,0,0,255" ]
check "minute hand at 12" [ "$(pixel "$WORK/three.png" 64 30)" = "0,0,255,255" ]
check "the face elsewhere" [ "$(pixel "$WORK/three.png" 30 64)" = "255,255,255,255" ]

"$TOOL" render --program-folder "$APP" --time 03:00:00 --face-only -o "$WORK/face.png"
check "--face-only leaves the hands out" [ "$(pixel "$WORK/face.png" 90 64)" = "255,255,255,255" ]

# A theme file given on the command line wins over tikloom.ini's; a half
# transparent wash shows un-premultiplied in the PNG.
sed -e 's/^UseMaskImage=1/UseMaskImage=0/' -e 's/^ImageFile=.*/ImageFile=/' \
    -e 's/^\[Color\]/[Color]\nBackgroundColor=2164195328/' \
    "$APP/Themes/plain.tkm" > "$WORK/wash.tkm"
"$TOOL" render --program-folder "$APP" "$WORK/wash.tkm" --time 03:00:00 -o "$WORK/wash.png"
check "alpha is un-premultiplied" [ "$(pixel "$WORK/wash.png" 10 10)" = "255,0,0,128" ]

# The caption comes from --date and --time.
sed -e 's/^ShowCaption=0/ShowCaption=1/' -e 's/^\[Color\]/[Caption]\nFormat=%d\n[Color]/' \
    "$APP/Themes/plain.tkm" > "$APP/Themes/caption.tkm"
for day in 14 15; do
    "$TOOL" render --program-folder "$APP" "$APP/Themes/caption.tkm" --time 03:00:00 \
        --date 2026-03-$day -o "$WORK/day$day.png"
done
"$TOOL" render --program-folder "$APP" "$APP/Themes/caption.tkm" --time 03:00:00 \
    --date 2026-03-14 -o "$WORK/day14-again.png"
check "the caption follows --date" different_pixels "$WORK/day14.png" "$WORK/day15.png"
check "the same date and time give the same picture" same_pixels "$WORK/day14.png" "$WORK/day14-again.png"

# HighQualitySmoothing=0 in tikloom.ini: hands without anti-aliasing.
"$TOOL" render --program-folder "$APP" --time 04:10:00 -o "$WORK/smooth.png"
printf '[Theme]\nFileName=plain.tkm\n[Options]\nHighQualitySmoothing=0\n' > "$APP/tikloom.ini"
"$TOOL" render --program-folder "$APP" --time 04:10:00 -o "$WORK/rough.png"
check "HighQualitySmoothing comes from the program folder" \
    different_pixels "$WORK/smooth.png" "$WORK/rough.png"

# --scale 2: a 256 x 256 picture of the same clock, from the @2x image where
# there is one (a black face instead of the white one).
"$TOOL" render --program-folder "$APP" --time 03:00:00 --scale 2 -o "$WORK/three-2x.png"
check "--scale 2 writes a 256 x 256 picture" \
    [ "$(identify -format '%w %h' "$WORK/three-2x.png" 2>/dev/null)" = "256 256" ]
check "the hour hand at twice the place" [ "$(pixel "$WORK/three-2x.png" 180 128)" = "255,0,0,255" ]
check "the plain face image scaled up" [ "$(pixel "$WORK/three-2x.png" 60 128)" = "255,255,255,255" ]
convert -size 128x128 xc:black "$APP/Themes/white@2x.png"
"$TOOL" render --program-folder "$APP" --time 03:00:00 --scale 1.5 -o "$WORK/three-dense.png"
check "--scale 1.5 takes the @2x image" [ "$(pixel "$WORK/three-dense.png" 45 96)" = "0,0,0,255" ]
rm "$APP/Themes/white@2x.png"

# Failures: a message, a non-zero exit, no file.
expect_failure() { # description, output file, arguments...
    local what=$1 out=$2
    shift 2
    local message
    message=$("$TOOL" render "$@" 2>&1 >/dev/null)
    local status=$?
    check "$what: non-zero exit" [ $status -ne 0 ]
    check "$what: says why" [ -n "$message" ]
    check "$what: nothing written" [ ! -e "$out" ]
}
expect_failure "bad time" "$WORK/bad.png" --program-folder "$APP" --time 24:00:00 -o "$WORK/bad.png"
expect_failure "bad date" "$WORK/bad.png" --program-folder "$APP" --time 1:00:00 --date 2026-13-01 -o "$WORK/bad.png"
expect_failure "missing time" "$WORK/bad.png" --program-folder "$APP" -o "$WORK/bad.png"
expect_failure "scale below 1" "$WORK/bad.png" --program-folder "$APP" --time 1:00:00 --scale 0.5 -o "$WORK/bad.png"
expect_failure "scale not a number" "$WORK/bad.png" --program-folder "$APP" --time 1:00:00 --scale two -o "$WORK/bad.png"
expect_failure "missing output" "$WORK/none" --program-folder "$APP" --time 1:00:00
expect_failure "unwritable output" "$WORK/no/such/dir/out.png" --program-folder "$APP" --time 1:00:00 -o "$WORK/no/such/dir/out.png"
check "no temporary file left behind" [ -z "$(ls -A "$WORK" | grep -v -e '\.png$' -e '^app$' -e '^runtime$' -e '\.tkm$')" ]

echo "$failures failed"
[ "$failures" -eq 0 ]
