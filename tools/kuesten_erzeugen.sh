#!/usr/bin/env bash
# Makes data/gmtkuesten.dat, the viewer's coastline file, with GMT.
#
# Command (run in a scratch directory, because GMT writes gmt.history into
# the working directory):
#
#     gmt pscoast -Dc -R-180/180/-90/90 -W -M
#
# The shipped file was made with GMT 6.4.0 (Debian package gmt 6.4.0+dfsg-2)
# and the crude GSHHG 2.3.7 shorelines (Debian package gmt-gshhg-low 2.3.7-6).
# It has 2187 segments (1084 of level 1, 1078 of level 2, 25 of level 3) with
# 13557 points, at most 116 in one segment.
#
# GMT 6 writes segment headers "> Shore Bin # N, Level L", with "Shore" right
# after "> " as the viewer wants. pscoast -W without -N or -I writes nothing
# but shorelines, so should another GMT word its headers differently, each
# header is rewritten to begin with "> Shore" (the old text kept after it),
# and the script says so.
#
# The viewer keeps at most 8000 lines, 15999 points and 1000 points per
# line; the script refuses to replace the file when the result exceeds one
# of these, rather than have the viewer drop coastlines.
#
# Usage: tools/kuesten_erzeugen.sh [TARGET]   (default: data/gmtkuesten.dat)
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
ziel="${1:-$wurzel/data/gmtkuesten.dat}"

if ! command -v gmt >/dev/null 2>&1; then
    echo "GMT fehlt (Debian: apt-get install gmt gmt-gshhg-low)" >&2
    exit 1
fi
version="$(gmt --version)"
if [ "$version" != "6.4.0" ]; then
    echo "Hinweis: GMT $version statt 6.4.0; das Ergebnis kann von der ausgelieferten Datei abweichen" >&2
fi

arbeit="$(mktemp -d)"
trap 'rm -rf "$arbeit"' EXIT
(cd "$arbeit" && gmt pscoast -Dc -R-180/180/-90/90 -W -M) >"$arbeit/roh.txt"

# Headers without "Shore" right after "> " get it put there.
awk -v umgeschrieben="$arbeit/umgeschrieben" '
    /^>/ {
        if (substr($0, 1, 7) != "> Shore") {
            n++
            rest = substr($0, 2); sub(/^ +/, "", rest)
            $0 = "> Shore " rest
        }
    }
    { print }
    END { print n + 0 > umgeschrieben }
' "$arbeit/roh.txt" >"$arbeit/kuesten.dat"
umgeschrieben="$(cat "$arbeit/umgeschrieben")"
if [ "$umgeschrieben" -gt 0 ]; then
    echo "Hinweis: $umgeschrieben Segmentkoepfe ohne \"Shore\" wurden zu \"> Shore ...\" umgeschrieben" >&2
fi

# Segments, points and the longest segment, counted as the viewer counts:
# a segment is the run of data lines after a header, stored when not empty.
read -r segmente punkte laengstes < <(awk '
    /^[;#]/ { next }
    /^>/ { if (n > 0) { s++; if (n > m) m = n }; n = 0; next }
    { n++; p++ }
    END { if (n > 0) { s++; if (n > m) m = n }; print s + 0, p + 0, m + 0 }
' "$arbeit/kuesten.dat")
echo "GMT $version: $segmente Segmente, $punkte Punkte, hoechstens $laengstes Punkte je Segment"

if [ "$segmente" -gt 8000 ] || [ "$punkte" -gt 15999 ] || [ "$laengstes" -gt 1000 ]; then
    echo "FEHLER: mehr als der Betrachter aufnimmt (8000 Linien, 15999 Punkte, 1000 je Linie);" \
         "$ziel bleibt unveraendert" >&2
    exit 1
fi
mv "$arbeit/kuesten.dat" "$ziel"
echo "geschrieben: $ziel"
