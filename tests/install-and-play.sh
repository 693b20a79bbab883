#!/usr/bin/env bash
# Builds the Debian package, validates the desktop entry and the AppStream metadata, checks
# what `cmake --install` lays out, installs the package with apt-get, plays it in a real window,
# and removes it again, checking that nothing is left behind. Needs root (or sudo) for apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

need_packages xvfb xdotool imagemagick x11-utils desktop-file-utils appstream dpkg-dev file
scripts/package
deb=$(ls build-release/swirlfall_*.deb)
id=org.swirlfall.Swirlfall

say "Validating the desktop entry and the AppStream metadata"
desktop-file-validate "dist/$id.desktop"
appstreamcli validate --no-net "dist/$id.metainfo.xml"

say "Checking the installed tree"
prefix=$(mktemp -d)
cmake --install build-release --prefix "$prefix" >/dev/null
for f in bin/swirlfall "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg" \
         "share/metainfo/$id.metainfo.xml"; do
  [ -e "$prefix/$f" ] || { echo "missing from the install: $f" >&2; exit 1; }
done
rm -rf "$prefix"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
say "Installing $deb"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
files=$(dpkg-query -L swirlfall | while read -r f; do [ -f "$f" ] && echo "$f"; done)
tests/play-in-window.sh /usr/bin/swirlfall

say "Removing the package"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq swirlfall >/dev/null
for f in $files; do
  [ ! -e "$f" ] || { echo "left behind after removal: $f" >&2; exit 1; }
done
echo "installed, played and removed without leftovers"
