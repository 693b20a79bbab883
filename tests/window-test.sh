# Shared by the real-window tests, which source it: a private X server, the game started in a
# scratch folder, bounded waits, and pixels read off the game's window. Nothing is left running.
#   start_x [WINDOW-MANAGER]     an Xvfb of $SCREEN (1024x768 unless set), with the window manager
#                                if one is named
#   start_game PROGRAM [ARG...]  runs it in $work; sets $gpid and $win
#   pixel X Y / count X Y W H CONDITION   read the window at window point (X, Y)

work=$(mktemp -d)
xpid="" wmpid="" gpid=""
cleanup() {
  [ -n "$gpid" ] && kill "$gpid" 2>/dev/null || true
  [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null || true
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
[ -n "${PLAYTEST_DEBUG:-}" ] && set -x
fail() { echo "window test FAILED: $*" >&2; cat "$work/game.log" >&2 2>/dev/null; exit 1; }
# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local deadline=$(( $(date +%s%N) + $1 * 1000000000 )); shift
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

start_x() {
  # Xvfb picks a free display itself and writes its number once it is ready. Without -noreset
  # the server resets when xdpyinfo's probe disconnects, and a game connecting just then is refused.
  Xvfb -displayfd 3 -screen 0 "${SCREEN:-1024x768}x24" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 & xpid=$!
  wait_for 10 test -s "$work/display" || fail "no X server"
  export DISPLAY=":$(cat "$work/display")"
  wait_for 10 xdpyinfo || fail "no X server on $DISPLAY"
  if [ $# -gt 0 ]; then
    "$1" >"$work/wm.log" 2>&1 & wmpid=$!
    wait_for 10 sh -c "xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW" || fail "no window manager: $(cat "$work/wm.log")"
  fi
}

start_game() {
  (cd "$work" && QT_QPA_PLATFORM=xcb exec "$@" >"$work/game.log" 2>&1) & gpid=$!
  wait_for 10 xdotool search --onlyvisible --pid "$gpid" || fail "no window appeared"
  win=$(xdotool search --onlyvisible --pid "$gpid" | head -1)
}

# pixel X Y: the colour at window point (X, Y), as "R G B".
pixel() {
  import -window "$win" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | head -1
}
# count X Y W H CONDITION: how many pixels of that window rectangle meet the awk condition on r, g, b.
count() {
  import -window "$win" -crop "$3x$4+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' |
    awk "{ r = \$1; g = \$2; b = \$3 } $5 { n++ } END { print n + 0 }"
}
