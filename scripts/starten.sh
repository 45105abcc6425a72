#!/usr/bin/env bash
# Sets up, builds and starts the eclipse viewer with the shipped data.
# Arguments are passed on to umbrix (for example: 2024 4).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
"$wurzel/scripts/einrichten.sh" --nur-laufzeit
cmake -S "$wurzel" -B "$wurzel/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUMBRIX_TESTS=OFF -DUMBRIX_BENCH=OFF >/dev/null
cmake --build "$wurzel/build" -j"$(nproc)" --target umbrix
cd "$wurzel/build"
exec ./umbrix "$@"
