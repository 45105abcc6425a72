#!/usr/bin/env bash
# Builds the fuzzing harnesses of fuzz/ with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each one for SEKUNDEN
# seconds (default 60) on its seed corpus fuzz/korpus/<name>/.
#
#   scripts/fuzzen.sh [SEKUNDEN] [NAME...]
#
# Every input is given one second; a crash, a time-out, a sanitizer report or
# a leak fails the run. What a harness finds is kept in build-fuzz/funde/<name>/
# (the input that failed) and build-fuzz/korpus/<name>/ (new inputs that reach
# new code); the seed corpus in the project is only read. Exit status 0 when
# every harness ran clean, 1 otherwise.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
sekunden="${1:-60}"
[ $# -gt 0 ] && shift
case "$sekunden" in ''|*[!0-9]*) echo "Aufruf: $0 [SEKUNDEN] [NAME...]" >&2; exit 2;; esac

"$wurzel/scripts/einrichten.sh"  # clang and its fuzzer runtime among the rest
bau="$wurzel/build-fuzz"
cmake -S "$wurzel" -B "$bau" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DUMBRIX_FUZZ=ON >/dev/null
cmake --build "$bau" -j2

namen=("$@")
if [ ${#namen[@]} -eq 0 ]; then
    for quelle in "$wurzel"/fuzz/fuzz_*.cpp; do
        n="$(basename "$quelle" .cpp)"
        namen+=("${n#fuzz_}")
    done
fi

export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

fehlgeschlagen=()
for name in "${namen[@]}"; do
    programm="$bau/fuzz/fuzz_$name"
    saat="$wurzel/fuzz/korpus/$name"
    [ -x "$programm" ] || { echo "kein Harness fuzz_$name"; fehlgeschlagen+=("$name"); continue; }
    [ -d "$saat" ] || { echo "kein Korpus fuzz/korpus/$name"; fehlgeschlagen+=("$name"); continue; }
    mkdir -p "$bau/korpus/$name" "$bau/funde/$name"
    echo "=== fuzz_$name: $sekunden s ==="
    # New inputs go to the first directory; the seeds are read from the second.
    if (cd "$bau/funde/$name" &&
        "$programm" -max_total_time="$sekunden" -timeout=1 -rss_limit_mb=2048 \
                    -print_final_stats=1 -artifact_prefix="$bau/funde/$name/" \
                    "$bau/korpus/$name" "$saat" 2>"$bau/funde/$name/protokoll.txt"); then
        grep -E "^stat::number_of_executed_units|^Done" "$bau/funde/$name/protokoll.txt" || true
    else
        echo "fuzz_$name: FEHLER (Protokoll: $bau/funde/$name/protokoll.txt)"
        grep -E "ERROR:|runtime error|verletzt|Test unit written|timeout" "$bau/funde/$name/protokoll.txt" | head -n 20 || true
        fehlgeschlagen+=("$name")
    fi
done

if [ ${#fehlgeschlagen[@]} -gt 0 ]; then
    echo "Fuzzing fehlgeschlagen: ${fehlgeschlagen[*]}"
    exit 1
fi
echo "Fuzzing ohne Befund: ${namen[*]}"
