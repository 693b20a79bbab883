#!/usr/bin/env bash
# The level chooser in a real X window under a window manager (openbox), with real input: a set
# of two levels put in my-levels beside the records, Ctrl+L, part of a name typed and Enter play
# its first level; a drag passes it, and the click after the pass plays the set's next level.
# Every wait is bounded; nothing is left running.
#   tests/choose-in-window.sh [PROGRAM]   (default: swirlfall on the PATH)
set -euo pipefail
program=$(readlink -f "$(command -v "${1:-swirlfall}")")
. "$(dirname "$0")/window-test.sh"

records="$work/records"
set="$records/my-levels/two steps"
mkdir -p "$set"
"$program" --export-level 1 | sed 's/^name .*/name Pull once more/' >"$set/01-pull.swirl"
"$program" --export-level 2 | sed 's/^name .*/name Push after/' >"$set/02-push.swirl"
printf 'name Two Steps\n' >"$set/set.txt"

start_x openbox
start_game "$program" --scores "$records/scores.dat"
xdotool windowactivate --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
menu=$(( HEIGHT - 480 ))
in_playfield() { count "$1" $(( $2 + menu )) "$3" "$4" "$5"; }

# A right click on the Ready level, which only restarts it, gives the window the keyboard.
xdotool mousemove --window "$win" 400 $(( 5 + menu )) click 3
xdotool key ctrl+l
wait_for 10 xdotool search --onlyvisible --name '^Choose a level$' || fail "Ctrl+L showed no chooser"
chooser=$(xdotool search --onlyvisible --name '^Choose a level$' | head -1)
xdotool windowactivate --sync "$chooser"
xdotool type --delay 30 'once mo'
xdotool key Return
wait_for 5 sh -c "! xdotool search --onlyvisible --name '^Choose a level\$'" || fail "Enter left the chooser open"
# Level 1's red particle at (150, 200), and no more the chooser: the level chosen plays.
redParticle() { [ "$(in_playfield 140 190 20 20 'r > 200 && g < 100 && b < 100')" -gt 0 ]; }
wait_for 5 redParticle || fail "the level found by its name does not play"
echo "Ctrl+L, 'once mo', Enter: \"Pull once more\" plays"

xdotool windowactivate --sync "$win"
xdotool mousemove --window "$win" 700 $(( 350 + menu )) mousedown 1
xdotool mousemove --window "$win" 700 $(( 410 + menu )) mouseup 1
wait_for 20 test -s "$records/level-records.txt" || fail "the level was not passed"
echo "passed with a drag: $(cat "$records/level-records.txt")"

# The click after the pass: the set's next level, level 2's blue particle at (210, 290).
xdotool mousemove --window "$win" 400 $(( 240 + menu )) click 1
bluish() { read -r r g b <<<"$(pixel "$1" $(( $2 + menu )))"; [ "$b" -gt 150 ] && [ "$r" -lt 80 ]; }
wait_for 5 bluish 210 285 || fail "the click after the pass did not play the set's next level"
[ "$(xdotool getwindowname "$win")" = Swirlfall ] || fail "the title changed to '$(xdotool getwindowname "$win")'"
echo "the click after the pass: \"Push after\", the set's next level"
echo "chooser test passed"
