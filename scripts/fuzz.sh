#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each one for SECONDS
# (default 60), one after the other, starting from seeds taken from the
# shipped themes and language files. The corpora grow in build-fuzz/corpus
# from run to run. Prints the executions of each target; exits non-zero when
# a target finds a fault (its reproducer is left in build-fuzz/findings).
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SECONDS_PER_TARGET=${1:-60}
BUILD="$ROOT/build-fuzz"
TARGETS=(profile_read profile_write language_file image_path caption_format theme_load
    clock_request)

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTIKLOOM_FUZZ=ON >/dev/null || exit 1
cmake --build "$BUILD" -j2 --target "${TARGETS[@]/#/fuzz_}" >/dev/null || exit 1

# Seeds: the shipped files, whole, and the values of their lines.
seed() { # target, then files
    local corpus="$BUILD/corpus/$1"
    shift
    mkdir -p "$corpus"
    [ -n "$(ls -A "$corpus")" ] || cp "$@" "$corpus/"
}
mkdir -p "$BUILD/seeds/caption" "$BUILD/seeds/path"
grep -h '^Format=' "$ROOT"/data/Themes/*.tkm | cut -d= -f2- | while read -r f; do
    printf '%s' "$f" >"$BUILD/seeds/caption/$(printf '%s' "$f" | md5sum | cut -c1-12)"
done
printf '%%#x\\n%%H:%%M' >"$BUILD/seeds/caption/two-lines"
grep -hE '^(ImageFile|MaskFile|OverlayFile|HandsImage)=' "$ROOT"/data/Themes/*.tkm | cut -d= -f2- |
    while read -r p; do printf '%s' "$p" >"$BUILD/seeds/path/$(printf '%s' "$p" | md5sum | cut -c1-12)"; done
printf 'sub/../Themes\\a.png' >"$BUILD/seeds/path/dots"
seed profile_read "$ROOT"/data/Themes/*.tkm "$ROOT"/data/lang/*.lng
seed profile_write "$ROOT"/data/Themes/*.tkm
seed language_file "$ROOT"/data/lang/*.lng
seed theme_load "$ROOT"/data/Themes/*.tkm
seed caption_format "$BUILD"/seeds/caption/*
seed image_path "$BUILD"/seeds/path/*
mkdir -p "$BUILD/seeds/request"
printf 'reload\ntoggle\nreload\n' >"$BUILD/seeds/request/both"
seed clock_request "$BUILD"/seeds/request/*

mkdir -p "$BUILD/findings" "$BUILD/logs"
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for t in "${TARGETS[@]}"; do
    log="$BUILD/logs/$t.log"
    "$BUILD/fuzz/fuzz_$t" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=2048 \
        -max_len=16384 -print_final_stats=1 -artifact_prefix="$BUILD/findings/$t-" \
        "$BUILD/corpus/$t" >"$log" 2>&1
    code=$?
    runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
    if [ $code -eq 0 ]; then
        echo "fuzz_$t: ${runs:-?} runs in ${SECONDS_PER_TARGET}s, no fault"
    else
        echo "fuzz_$t: FAULT after ${runs:-?} runs (exit $code); see $log"
        grep -m5 -E 'ERROR|runtime error|SUMMARY|Test unit written' "$log"
        status=1
    fi
done
exit $status
