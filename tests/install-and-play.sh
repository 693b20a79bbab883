#!/usr/bin/env bash
# Checks the Debian package with lintian and the desktop and AppStream validators, checks what it
# lays out, installs it with apt-get, answers --help, --version and a bad --level without a
# display, plays the game in a real window started as the desktop entry starts it and in full
# screen, makes a level in the editor, plays a set chosen in the level chooser, and removes the
# package again, checking that nothing is left behind. Needs root (or sudo) for apt-get.
#   tests/install-and-play.sh              builds the package first (scripts/package)
#   tests/install-and-play.sh PACKAGE      checks one built already by scripts/package on a
#                                          machine of this release (CI's bare machines build one)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

need_packages xvfb xdotool imagemagick x11-utils openbox desktop-file-utils appstream dpkg-dev file lintian
if [ $# -gt 0 ]; then
  [ -f "$1" ] || { echo "install-and-play: $1 is not a package file" >&2; exit 2; }
  deb=$(realpath "$1")
else
  scripts/package
  deb=$(realpath build-release/swirlfall_*.deb)
fi
id=org.swirlfall.Swirlfall
fail() { echo "install test FAILED: $*" >&2; exit 1; }

say "Checking the package, the desktop entry and the AppStream metadata"
lintian --fail-on error,warning "$deb"
desktop-file-validate "dist/$id.desktop"
appstreamcli validate --no-net "dist/$id.metainfo.xml"

say "Checking what the package lays out"
laid_out=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in games/swirlfall "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg" \
         "share/metainfo/$id.metainfo.xml" share/man/man6/swirlfall.6.gz share/doc/swirlfall/copyright \
         share/doc/swirlfall/changelog.gz "share/mime/packages/$id.xml"; do
  grep -qx "./usr/$f" <<<"$laid_out" || fail "missing from the package: $f"
done

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
say "Installing $deb"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
files=$(dpkg-query -L swirlfall | while read -r f; do [ -f "$f" ] && echo "$f"; done)
game=/usr/games/swirlfall

say "Checking the level file type"
# Registered by its name and by its first line, so that a file manager opens a level with the game.
grep -q '^50:application/x-swirlfall-level:\*\.swirl$' /usr/share/mime/globs2 || fail "*.swirl is not registered"
grep -aq 'swirlfall-level' /usr/share/mime/magic || fail "the first line of a level is not registered"
echo "application/x-swirlfall-level: *.swirl and its first line"

say "Answering without a display"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" --help) || fail "--help failed"
grep -q -- "--level <n>" <<<"$help" || fail "--help does not list --level"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" --version)" = "swirlfall $(dpkg-deb -f "$deb" Version)" ] || fail "--version"
status=0
error=$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" --level 0 2>&1 >/dev/null) || status=$?
[ "$status" = 2 ] || fail "--level 0 exited with $status"
[ "$(wc -l <<<"$error")" = 1 ] || fail "--level 0 said more than one line: $error"
echo "--help, --version and --level 0 ($error) answered"

say "Playing the game as its desktop entry starts it"
# A player's session: /usr/games on the PATH, a home and a data folder of its own.
# Started from the menu, with no file: a launcher drops the field code for one.
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop" | sed 's/ %[fFuU]//g')
read -r -a command <<<"$exec_line"
home=$(mktemp -d)
(
  export HOME="$home/home" XDG_DATA_HOME="$home/data" PATH="$PATH:/usr/games"
  mkdir -p "$HOME"
  SCORES="$XDG_DATA_HOME/swirlfall/scores.dat" tests/play-in-window.sh "${command[@]}"
)
found=$(find "$home" -name 'scores.dat*')
[ "$found" = "$home/data/swirlfall/scores.dat" ] || fail "records found at: $found"
echo "the record is in the data folder and nowhere else"
rm -rf "$home"

say "Full screen under a window manager"
tests/fullscreen-in-window.sh "$game"

say "Making a level in the editor"
tests/edit-in-window.sh "$game"

say "Choosing a level of a set, and playing on through the set"
tests/choose-in-window.sh "$game"

say "Removing the package"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq swirlfall >/dev/null
for f in $files; do
  [ ! -e "$f" ] || fail "left behind after removal: $f"
done
echo "installed, played and removed without leftovers"
