#!/usr/bin/env bash
# Sets up, builds and starts the eclipse viewer with the shipped data.
# Arguments are passed on to umbrix (for example: 2024 4).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
"$wurzel/scripts/einrichten.sh" --nur-laufzeit
# One line while it builds; the build's log only when it fails.
echo "umbrix wird gebaut ..."
protokoll="$(mktemp)"
trap 'rm -f "$protokoll"' EXIT
if ! { cmake -S "$wurzel" -B "$wurzel/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUMBRIX_TESTS=OFF \
           -DUMBRIX_BENCH=OFF &&
       cmake --build "$wurzel/build" -j"$(nproc)" --target umbrix; } >"$protokoll" 2>&1; then
    cat "$protokoll" >&2
    echo "umbrix konnte nicht gebaut werden." >&2
    exit 1
fi
rm -f "$protokoll"
trap - EXIT
cd "$wurzel/build"
exec ./umbrix "$@"
