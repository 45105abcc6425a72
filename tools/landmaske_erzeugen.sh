#!/usr/bin/env bash
# Makes data/gmtland.dat, the viewer's land mask for the shaded globe, with
# GMT from the same crude GSHHG shorelines as data/gmtkuesten.dat, so that
# land and coastlines agree.
#
# Command (run in a scratch directory, because GMT writes gmt.history into
# the working directory):
#
#     gmt grdlandmask -Dc -R-180/180/-90/90 -I0.25 -r -N0/1/0/1/0 -Gland.nc
#     gmt grd2xyz land.nc -ZTLa
#
# A quarter degree is about two pixels at the centre of the largest globe
# (radius 512 pixels), finer than the crude shorelines themselves. Cells
# are 0 for sea, 1 for land; lakes count as sea, islands in lakes as land.
#
# The file is text: comment lines beginning with '#', then the line
# "SPALTEN ZEILEN" (1440 720), then one line per row of cells from north
# (90 degrees) to south, each row from 180 degrees west eastward, as the
# lengths of its runs of cells, alternately sea and land, beginning with
# sea (a row that begins on land begins with 0). Each row's runs add up to
# SPALTEN.
#
# Usage: tools/landmaske_erzeugen.sh [TARGET]   (default: data/gmtland.dat)
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
ziel="${1:-$wurzel/data/gmtland.dat}"

if ! command -v gmt >/dev/null 2>&1; then
    echo "GMT fehlt (Debian: apt-get install gmt gmt-gshhg-low)" >&2
    exit 1
fi
version="$(gmt --version)"

arbeit="$(mktemp -d)"
trap 'rm -rf "$arbeit"' EXIT
(cd "$arbeit" && gmt grdlandmask -Dc -R-180/180/-90/90 -I0.25 -r -N0/1/0/1/0 -Gland.nc &&
    gmt grd2xyz land.nc -ZTLa >zellen.txt)

spalten=1440
zeilen=720
awk -v spalten=$spalten -v zeilen=$zeilen -v version="$version" '
    BEGIN {
        print "# Land mask of the viewer: tools/landmaske_erzeugen.sh with GMT " version
        print "# (grdlandmask -Dc, crude GSHHG shorelines), a quarter degree per cell."
        print "# Per row from north to south: run lengths, alternately sea and land."
        print spalten, zeilen
    }
    {
        w = ($1 + 0 >= 0.5) ? 1 : 0
        if (spalte == 0) { zeile = ""; art = 0; lauf = 0 }
        if (w != art) { zeile = zeile lauf " "; art = w; lauf = 0 }
        lauf++; spalte++; n++
        if (spalte == spalten) { print zeile lauf; spalte = 0; z++ }
    }
    END {
        if (n != spalten * zeilen || z != zeilen) {
            print "FEHLER: " n " Zellen statt " spalten * zeilen > "/dev/stderr"
            exit 1
        }
    }
' "$arbeit/zellen.txt" >"$arbeit/land.dat"
mv "$arbeit/land.dat" "$ziel"
echo "GMT $version: $spalten x $zeilen Zellen, geschrieben: $ziel"
