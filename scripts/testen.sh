#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a normal build and once
# built with AddressSanitizer and UndefinedBehaviorSanitizer; in the normal
# build also every test program as a whole, all its cases in one process;
# then each fuzzing harness for 20 seconds on its corpus. The tests run against a
# private Xvfb; the user's own display is never touched.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
"$wurzel/scripts/einrichten.sh"
jobs="$(nproc)"

xvfb_pid=""
xvfb_dir="$(mktemp -d)"
aufraeumen() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$xvfb_dir"
}
trap aufraeumen EXIT

# A display number from 100 on that nobody holds; Xvfb tells through
# -displayfd when it is ready, or closes the pipe when the number is taken.
for nummer in $(seq 100 199); do
    [ -e "/tmp/.X$nummer-lock" ] && continue
    Xvfb ":$nummer" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$xvfb_dir/nummer" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 200); do
        [ -s "$xvfb_dir/nummer" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    [ -s "$xvfb_dir/nummer" ] && break
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
[ -n "$xvfb_pid" ] || { echo "Xvfb startet nicht"; exit 1; }
export DISPLAY=":$(head -n1 "$xvfb_dir/nummer")"
unset XAUTHORITY
echo "Tests laufen auf dem privaten Xvfb $DISPLAY"

durchlauf() {
    local verzeichnis="$1"; shift
    cmake -S "$wurzel" -B "$verzeichnis" -DUMBRIX_WERROR=ON "$@" >/dev/null
    cmake --build "$verzeichnis" -j"$jobs"
    (cd "$verzeichnis" && ctest -j"$jobs" --output-on-failure --timeout 300 -LE paket)
}

# Every test program run directly, one after the other: its cases share one
# process and must not depend on each other's state.
direkt() {
    local verzeichnis="$1" programm fehlgeschlagen=()
    for programm in "$verzeichnis"/tests/test_* "$verzeichnis"/tests/*/test_*; do
        [ -f "$programm" ] && [ -x "$programm" ] || continue
        echo "--- $(basename "$programm")"
        (cd "$verzeichnis/tests" && UMBRIX_TEST=1 "$programm" --gtest_brief=1) ||
            fehlgeschlagen+=("$(basename "$programm")")
    done
    if [ ${#fehlgeschlagen[@]} -gt 0 ]; then
        echo "Als Ganzes fehlgeschlagen: ${fehlgeschlagen[*]}"
        return 1
    fi
}

echo "=== Normaler Build ==="
durchlauf "$wurzel/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "=== Jedes Testprogramm als Ganzes ==="
direkt "$wurzel/build-test"

echo "=== Build mit AddressSanitizer und UndefinedBehaviorSanitizer ==="
export ASAN_OPTIONS="abort_on_error=0:halt_on_error=1:detect_leaks=1:exitcode=86"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=87"
export LSAN_OPTIONS="suppressions=$wurzel/tests/lsan.supp:print_suppressions=0"
durchlauf "$wurzel/build-asan" -DCMAKE_BUILD_TYPE=Debug -DUMBRIX_SANITIZE=ON -DUMBRIX_BENCH=OFF

echo "=== Fuzzing: jeder Harness 20 s ==="
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
"$wurzel/scripts/fuzzen.sh" 20
