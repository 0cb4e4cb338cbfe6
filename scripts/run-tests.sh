#!/usr/bin/env bash
# Installs what is missing (test tools too), builds, and runs every test: unit,
# GUI, package and end-to-end tests on the normal build, then the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
bash "$ROOT/scripts/install-deps.sh" --tests || exit 1

status=0
bash "$ROOT/scripts/build.sh" || exit 1
(cd "$ROOT/build" && ctest --output-on-failure -j2 -LE e2e) || status=1
(cd "$ROOT/build" && ctest --output-on-failure -L e2e) || status=1

cmake -S "$ROOT" -B "$ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug \
    -DTIKLOOM_SANITIZE=ON -DTIKLOOM_UNIT_TESTS_ONLY=ON >/dev/null || exit 1
cmake --build "$ROOT/build-sanitize" -j2 || exit 1
(cd "$ROOT/build-sanitize" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j2 -L unit) || status=1

if [ $status -eq 0 ]; then echo "All test suites passed."; else echo "Some tests FAILED."; fi
exit $status
