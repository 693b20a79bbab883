#!/usr/bin/env bash
# Full screen in a real X window under a window manager (openbox), with real input: F11 scales
# the playfield to the 1024 x 768 screen, the largest that fits (1024 x 614, centred between dark
# margins), a drag at the scaled place of level 1's passing drag passes it, and F11 brings the
# fixed-size window with its menu bar back. Level 1 runs from before the switch: a switch that
# paused it would leave the drag only going on. Every wait is bounded; nothing is left running.
#   tests/fullscreen-in-window.sh [PROGRAM]   (default: swirlfall on the PATH)
set -euo pipefail
program=$(readlink -f "$(command -v "${1:-swirlfall}")")
. "$(dirname "$0")/window-test.sh"

start_x openbox
start_game "$program"
xdotool windowactivate --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
windowed="${WIDTH}x${HEIGHT}"

geometry() { eval "$(xdotool getwindowgeometry --shell "$win")"; echo "${WIDTH}x${HEIGHT}"; }
# A click on the frame band starts level 1.
xdotool mousemove --window "$win" 400 $(( HEIGHT - 475 )) click 1
xdotool key F11
wait_for 10 sh -c "[ \"\$(xdotool getwindowgeometry --shell $win | grep -c -e 'WIDTH=1024' -e 'HEIGHT=768')\" = 2 ]" ||
  fail "F11 left the window at $(geometry)"

# 800 x 480 scaled by 1.28: 1024 x 614 from row 77, the frame's dark colour above and below.
top=77 height=614
dark='r == 16 && g == 16 && b == 16'
below=$(( 768 - top - height ))
margins_dark() {
  [ "$(count 0 0 1024 "$top" "$dark")" = $(( 1024 * top )) ] &&
    [ "$(count 0 $(( top + height )) 1024 "$below" "$dark")" = $(( 1024 * below )) ]
}
wait_for 5 margins_dark || fail "the margins above and below the playfield are not dark"
# The frame band's stipple runs along the playfield's top and left edges, at its scaled width.
stipple=$(count 0 "$top" 1024 20 "$dark")
[ "$stipple" -gt 5000 ] && [ "$stipple" -lt $(( 1024 * 20 )) ] || fail "no stippled frame band at the top ($stipple)"
read -r r g b <<<"$(pixel 512 $(( top + 300 )))"
[ "$r" = "$g" ] && [ "$r" -gt 40 ] && [ "$r" -lt 120 ] || fail "no background inside the playfield: $r $g $b"
echo "F11: the playfield fills the screen's width, 1024 x $height, centred between dark margins"

# Level 1's passing drag, from (700, 350) to (700, 410) on the playfield, at its scaled place.
scaled() { echo "$(( $1 * 128 / 100 )) $(( top + $2 * 128 / 100 ))"; }
xdotool mousemove $(scaled 700 350) mousedown 1
xdotool mousemove $(scaled 700 410) mouseup 1
wait_for 20 test -s "$work/scores.dat" || fail "level 1 was not passed in full screen"
echo "level 1 passed with a drag at its scaled place"

xdotool key F11
wait_for 10 sh -c "[ \"\$(xdotool getwindowgeometry --shell $win | sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | paste -sd x)\" = $windowed ]" ||
  fail "F11 again left the window at $(geometry), not $windowed"
echo "F11 again: the window is $windowed with its menu bar"

xdotool key Escape 2>/dev/null || true
wait_for 5 sh -c "! kill -0 $gpid" || fail "Escape did not quit"
gpid=""
echo "full-screen test passed"
