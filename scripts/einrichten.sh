#!/usr/bin/env bash
# Installs what building, running and testing umbrix need on Debian, and
# only what is missing. Uses sudo when not run as root.
set -euo pipefail

pakete=(build-essential cmake pkg-config libx11-dev libxext-dev libxtst-dev libgtest-dev libbenchmark-dev
        libpng-dev libgif-dev libgeonames-dev liberfa-dev tzdata xvfb xauth xfonts-base xfonts-75dpi xfonts-100dpi
        ghostscript librsvg2-bin clang libclang-rt-dev)
if [ "${1:-}" = "--nur-laufzeit" ]; then
    pakete=(build-essential cmake pkg-config libx11-dev libxext-dev libpng-dev libgif-dev libgeonames-dev liberfa-dev tzdata
            xfonts-base xfonts-75dpi xfonts-100dpi)
fi

fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

als_root=()
[ "$(id -u)" -ne 0 ] && als_root=(sudo)
echo "Installiere: ${fehlend[*]}"
"${als_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
