#!/usr/bin/env bash
# Makes the picture of the README, docs/umbrix.png: the eclipse of 8 April
# 2024 at greatest eclipse, shaded, drawn by "umbrix --bild", and the film below it,
# docs/umbrix.gif: the same eclipse's six hours made by "umbrix --film" at
# 640 x 512; both on a private Xvfb that this script starts and ends itself
# (your own display is never touched).
#
#   scripts/bildschirmfoto.sh [AUSGABE [FILM]]
#
# AUSGABE: the PNG file to write (default docs/umbrix.png); FILM the GIF
# file (default AUSGABE with the ending .gif instead of .png). The program is
# $UMBRIX, else build/umbrix; it must be built already, and its data files
# lie beside it (as the build puts them).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
ausgabe="${1:-$wurzel/docs/umbrix.png}"
film="${2:-${ausgabe%.png}.gif}"
programm="${UMBRIX:-$wurzel/build/umbrix}"

if [ ! -x "$programm" ]; then
    echo "Kein Programm $programm: zuerst bauen (cmake --build build --target umbrix) oder UMBRIX setzen." >&2
    exit 1
fi
case "$ausgabe" in
    /*) ;;
    *) ausgabe="$PWD/$ausgabe" ;;
esac
case "$film" in
    /*) ;;
    *) film="$PWD/$film" ;;
esac
mkdir -p "$(dirname "$ausgabe")" "$(dirname "$film")"

arbeit="$(mktemp -d)"
xvfb_pid=""
aufraeumen() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

# A free display number: Xvfb writes it to the file once it is ready; a
# number taken by another server ends that try at once. 1600 x 1200 leaves
# room for the largest window, 1280 x 1024.
anzeige=""
for n in $(seq 400 499); do
    [ -e "/tmp/.X$n-lock" ] && continue
    : >"$arbeit/nummer"
    Xvfb ":$n" -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$arbeit/nummer" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$arbeit/nummer" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ "$(tr -d '\n' <"$arbeit/nummer")" = "$n" ]; then
        anzeige=":$n"
        break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
if [ -z "$anzeige" ]; then
    echo "Kein Xvfb gestartet (ist xvfb installiert?)." >&2
    exit 1
fi

# The data files beside the program; the greatest eclipse is its default.
# The shaded picture with its key, whatever the user's own settings say: an
# empty settings directory, and the view as environment variables.
cd "$(dirname "$programm")"
mkdir "$arbeit/einstellungen"
ENV="$arbeit/einstellungen" UMBRIXSCHATTEN=1 UMBRIXLEGENDE=1 DISPLAY="$anzeige" "$programm" --bild "$ausgabe" 2024 4
DISPLAY="$anzeige" "$programm" --film "$film" 2024 4
