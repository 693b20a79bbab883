#!/usr/bin/env bash
# Makes a level in the editor in a real X window, with real input, as a player would: a red
# particle and a red goal set with the tool keys and the mouse, proved with "Try it" (F5) by a drag
# that passes it in the game, saved with Ctrl+S; then `swirlfall --verify` must accept the file.
# Every wait is bounded; nothing is left running.
#   tests/edit-in-window.sh [PROGRAM]   (default: swirlfall on the PATH)
set -euo pipefail
[ $# -gt 0 ] || set -- swirlfall
program=$(readlink -f "$(command -v "$1")")
. "$(dirname "$0")/window-test.sh"
level="$work/mine.swirl"

start_x
start_game "$program" --edit "$level"
editor=$win
# The canvas: where the dark stipple of the frame around the playfield starts (the first row with
# hundreds of its pixels), give or take the pixel of its pattern, which the 10-pixel grid absorbs.
read -r cx cy <<<"$(import -window "$editor" -depth 8 txt:- 2>/dev/null | awk -F'[,: ]+' '
  /#101010/ { n[$2]++; if (!($2 in left) || $1 < left[$2]) left[$2] = $1 }
  END { for (y = 0; !(n[y] > 300); y++) if (y > 2000) exit 1; print left[y] + 0, y }')"
at() { echo "$(( cx + $1 )) $(( cy + $2 ))"; }
echo "editor: the canvas at ($cx, $cy) of its window"

# A click on the canvas gives the window the keyboard; with the select tool it picks nothing.
xdotool mousemove --window "$editor" $(at 400 400) click 1
xdotool key 1 mousemove --window "$editor" $(at 200 240) click 1
xdotool key 3
for corner in "600 200" "700 200" "700 280" "600 280"; do
  xdotool mousemove --window "$editor" $(at $corner) click 1
done
xdotool key Return
echo "a red particle and a red goal set with the keys 1 and 3"

# Try it: the game plays the level; a red well beyond the goal pulls the particle straight in.
xdotool key F5
wait_for 10 sh -c "xdotool search --onlyvisible --name '^Swirlfall\$' >/dev/null" || fail "Try it showed no game window"
game=$(xdotool search --onlyvisible --name '^Swirlfall$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$game")"
menu=$(( HEIGHT - 480 ))
xdotool mousemove --window "$game" 750 $(( 240 + menu )) mousedown 1
xdotool mousemove --window "$game" 750 $(( 300 + menu )) mouseup 1
wait_for 20 test -s "$work/level-records.txt" || fail "the level tried in the game was not passed"
echo "tried in the game and passed"

# Without a window manager the game window lies over the editor: raised, the editor takes the click.
xdotool windowraise "$editor" mousemove --window "$editor" $(at 400 400) click 1 key ctrl+s
wait_for 5 test -s "$level" || fail "Ctrl+S saved nothing to $level"
verdict=$("$program" --verify "$level") || fail "the saved level does not verify: $verdict"
[[ "$verdict" == "$level: passes in "*" ms, as stated" ]] || fail "the saved level: $verdict"
echo "saved with its proof: $verdict"

# Escape in the game quits, editor and all: the level is saved, so nothing is asked.
xdotool windowraise "$game" mousemove --window "$game" 400 $(( 5 + menu )) click 3 key Escape 2>/dev/null || true
wait_for 5 sh -c "! kill -0 $gpid" || fail "Escape did not quit"
gpid=""
echo "edit test passed"
