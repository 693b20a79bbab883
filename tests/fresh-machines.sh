#!/usr/bin/env bash
# The README's commands on bare Debian machines, so that what this machine installed once cannot
# hide a missing install step. For each release, a chroot that holds nothing but apt and a clean
# clone of the commit checked out runs the README's test command (scripts/test) and then builds
# the package (scripts/package). The package is then installed with --no-install-recommends on
# another bare machine of its release, and the Debian 12 package on Debian 13 as well: there it
# must answer --version, verify every built-in level exported from it, and play in a real window.
#   tests/fresh-machines.sh [--packages DIR] [RELEASE...]
#       RELEASE: default bookworm trixie; the first one's package is installed on every release given
#       --packages DIR: keeps each release's package in DIR/RELEASE/, for tests/install-and-play.sh
# Needs root and mmdebstrap. A bare machine of each release is made once and kept in
# $FRESH_CACHE (/var/cache/swirlfall-fresh), a fresh copy of it for every step.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

[ "$(id -u)" -eq 0 ] || { echo "fresh-machines: run it as root" >&2; exit 2; }
kept=""
if [ "${1:-}" = --packages ]; then
  [ $# -ge 2 ] || { echo "fresh-machines: --packages needs a folder" >&2; exit 2; }
  kept=$2
  shift 2
fi
[ $# -gt 0 ] || set -- bookworm trixie
need_packages mmdebstrap
cache=${FRESH_CACHE:-/var/cache/swirlfall-fresh}
out=$(mktemp -d)
root=""

unmount() {
  [ -n "$root" ] || return 0
  for m in tmp dev/pts dev sys proc; do
    mountpoint -q "$root/$m" 2>/dev/null && { umount -R "$root/$m" 2>/dev/null || umount -l "$root/$m"; }
  done
  # Never delete through a mount still there: the host's /dev and /sys are bound in.
  if grep -q " $root/" /proc/mounts; then echo "fresh-machines: $root still has mounts; left in place" >&2
  else rm -rf "$root"; fi
  root=""
}
trap 'unmount; rm -rf "$out"' EXIT

# bare RELEASE: the path of a tarball of a bare machine of that release, made once.
bare() {
  local tarball=$cache/$1.tar mirror
  if [ ! -s "$tarball" ]; then
    say "Making a bare Debian $1 (once)" >&2
    mkdir -p "$cache"
    # The archive this machine's apt uses already.
    mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
    [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" {for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}' \
      /etc/apt/sources.list 2>/dev/null || true)
    [ -n "$mirror" ] || { echo "fresh-machines: no Debian archive in this machine's apt sources" >&2; exit 2; }
    # The name tells mmdebstrap to write a tarball.
    mmdebstrap --quiet --variant=apt --mode=root "$1" "$cache/$1.part.tar" \
      "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $1 main" >&2
    mv "$cache/$1.part.tar" "$tarball"
  fi
  echo "$tarball"
}

# machine RELEASE: a fresh copy of the bare machine in $root, with a clean clone in /src.
machine() {
  root=$(mktemp -d /var/tmp/swirlfall-fresh.XXXXXX)
  tar -C "$root" -xf "$(bare "$1")"
  # How this machine reaches the archive, and its name resolution.
  cp -a /etc/apt/apt.conf.d/. "$root/etc/apt/apt.conf.d/" 2>/dev/null || true
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  mount -t proc proc "$root/proc"
  mount --rbind /sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount -t tmpfs tmpfs "$root/tmp"
  git clone -q --no-hardlinks "$PWD" "$root/src"
  git -C "$root/src" checkout -q "$(git rev-parse HEAD)"
}

# run COMMAND: runs it as root in the machine's clone, with an environment as bare as the machine.
run() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb bash -c 'cd /src && "$@"' fresh "$@"
}

# Installs the package on a bare machine and plays it. What it needs must come with it: nothing
# but the package is installed before it starts and verifies the levels.
check_package() {
  local release=$1 deb=$2
  say "Installing $(basename "$deb") on a bare Debian $release"
  machine "$release"
  cp "$deb" "$root/tmp/"
  run sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    /tmp/swirlfall_*.deb >/dev/null'
  run /usr/games/swirlfall --version
  run sh -c 'd=$(mktemp -d) && for n in $(seq -w 1 20); do /usr/games/swirlfall --export-level $n >$d/level-$n.swirl; done &&
    cd $d && LC_ALL=C.UTF-8 /usr/games/swirlfall --verify level-*.swirl' >"$out/verified"
  diff -u tests/builtin-levels.verified "$out/verified" || { echo "the built-in levels verify otherwise" >&2; exit 1; }
  echo "the 20 built-in levels verify as recorded"
  # Only now what the window test needs: a player's desktop has an X server of its own.
  run bash -c '. scripts/common.sh && need_packages xvfb xdotool imagemagick x11-utils >/dev/null'
  run tests/play-in-window.sh /usr/games/swirlfall
  unmount
}

first=""
for release in "$@"; do
  say "The README's test command on a bare Debian $release"
  machine "$release"
  run scripts/test
  run scripts/package
  mkdir -p "$out/$release"
  cp "$root"/src/build-release/swirlfall_*.deb "$out/$release/"
  unmount
  deb=$(ls "$out/$release"/swirlfall_*.deb)
  [ -z "$kept" ] || { mkdir -p "$kept/$release" && cp "$deb" "$kept/$release/"; }
  check_package "$release" "$deb"
  if [ -z "$first" ]; then
    first=$deb
  else
    check_package "$release" "$first"
  fi
done
say "Built, tested, packaged, installed and played on bare Debian: $*"
