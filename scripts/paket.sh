#!/usr/bin/env bash
# Builds the Debian packages umbrix and libxmalwerk1-dev from a clean copy of
# the tree (the files git knows, as they are in the working tree) and leaves
# the .deb files in build-paket/. Installs the build tools and the
# Build-Depends that are missing (sudo when not root). Options go to
# dpkg-buildpackage's environment: DEB_BUILD_OPTIONS=nocheck skips the tests;
# PAKET_ZIEL names another directory for the packages.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
ziel="${PAKET_ZIEL:-$wurzel/build-paket}"

als_root=()
[ "$(id -u)" -ne 0 ] && als_root=(sudo)
werkzeuge=(build-essential devscripts debhelper lintian equivs)
fehlend=()
for p in "${werkzeuge[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    "${als_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi

kopie="$(mktemp -d)"
trap 'rm -rf "$kopie"' EXIT
mkdir "$kopie/umbrix"
# A tracked file deleted in the working tree is simply not copied.
(cd "$wurzel" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -C "$kopie/umbrix" -xf -

# The Build-Depends that are missing, through a dummy package that depends on them.
cd "$kopie/umbrix"
if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive "${als_root[@]}" mk-build-deps --install --remove \
        --tool "apt-get -y -qq --no-install-recommends" debian/control
    rm -f umbrix-build-deps_*
fi

dpkg-buildpackage -us -uc -b
mkdir -p "$ziel"
rm -f "$ziel"/*.deb
mv "$kopie"/*.deb "$ziel/"
echo "Pakete in $ziel:"
ls -1 "$ziel"
lintian --tag-display-limit 0 "$ziel"/*.deb || true
