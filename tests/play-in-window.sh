#!/usr/bin/env bash
# Plays the installed game in a real X window, with real input, as a player would: checks the
# window, watches level 1's solution (S) to the pass without a record being saved, pauses level 1
# with P and checks that its time stands still, goes on and passes it with one well, checks the
# best-time file and the run kept beside it, moves on with a click, switches levels with the
# arrow keys and quits with Escape, having said at most one line of sound on standard error;
# then opens level 1 written out as a level file from the command line and passes it, its record
# kept apart. Every wait is bounded; nothing is left
# running.
#   tests/play-in-window.sh [PROGRAM [ARGUMENT...]]   (default: swirlfall on the PATH)
#   SCORES=FILE   where the record must appear, and no scores.dat in the folder the game starts
#                 in (default: scores.dat in that folder)
set -euo pipefail
[ $# -gt 0 ] || set -- swirlfall
program=$(readlink -f "$(command -v "$1")")
shift
. "$(dirname "$0")/window-test.sh"
scores=${SCORES:-$work/scores.dat}

start_x
start_game "$program" "$@"

[ "$(xdotool getwindowname "$win")" = Swirlfall ] || fail "title is '$(xdotool getwindowname "$win")'"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = 800 ] || fail "width $WIDTH"
menu=$(( HEIGHT - 480 ))
[ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] || fail "height $HEIGHT leaves no room for a menu bar over 480"
echo "window: Swirlfall, ${WIDTH}x${HEIGHT} (menu bar $menu px)"

bluish() { read -r r g b <<<"$(pixel "$1" $(( $2 + menu )))"; [ "$b" -gt 150 ] && [ "$r" -lt 80 ]; }
# in_playfield X Y W H CONDITION: count at playfield coordinates, below the menu bar.
in_playfield() { count "$1" $(( $2 + menu )) "$3" "$4" "$5"; }
# Level 1 passed: the short help of an ended level (three lines, none where Ready's fourth stands)
# and the particle's white glyph resting in the red goal.
level1Passed() {
  local grey='r == g && g == b && r > 120'
  [ "$(in_playfield 100 22 600 14 "$grey")" -gt 10 ] && [ "$(in_playfield 100 87 600 11 "$grey")" = 0 ] &&
    [ "$(in_playfield 505 322 170 16 'r > 250 && g > 250 && b > 250')" -gt 0 ]
}

# S plays level 1's solution, as a watcher sees it: it passes, and no record is saved.
xdotool mousemove --window "$win" 400 $(( 5 + menu )) click 3
xdotool key s
wait_for 20 level1Passed || fail "watching level 1's solution did not end with level 1 passed"
[ ! -e "$scores" ] || fail "watching a solution saved a record"
echo "watched level 1's solution to the pass; no record saved"
# A right click gives level 1 back, Ready.
xdotool click 3

# P pauses a running level: a pause screen hides it and the clock stands still; P goes on.
particleShows() { [ "$(in_playfield 140 190 20 20 'r > 200 && g < 100 && b < 100')" -gt 0 ]; }
paused() { ! particleShows; }
timeShown() { import -window "$win" -crop "200x50+600+$(( 430 + menu ))" -depth 8 rgb:- 2>/dev/null | md5sum; }
xdotool mousemove --window "$win" 400 $(( 5 + menu )) click 1
xdotool key p
wait_for 5 paused || fail "P did not pause level 1"
before=$(timeShown)
sleep 1
[ "$(timeShown)" = "$before" ] || fail "the time moved while level 1 was paused"
xdotool key p
wait_for 5 particleShows || fail "P did not go on with level 1"
echo "P paused level 1 with the time standing still, and P went on"

# Level 1: one red well beyond the goal pulls the particle along a straight line into it.
xdotool mousemove --window "$win" 700 $(( 350 + menu )) mousedown 1
xdotool mousemove --window "$win" 700 $(( 410 + menu )) mouseup 1
wait_for 20 test -s "$scores" || fail "level 1 was not passed: no $scores"
size=$(stat -c %s "$scores")
[ "$size" = 84 ] || fail "$scores has $size bytes"
read -r -a words <<<"$(od -An -v -t u4 -w84 "$scores")"
sum=0
for i in $(seq 0 19); do sum=$(( (sum + words[i]) % 4294967296 )); done
[ "${words[0]}" -gt 0 ] || fail "no time for level 1"
[ "${words[20]}" = "$sum" ] || fail "check value ${words[20]} is not the sum $sum"
if [ "$scores" != "$work/scores.dat" ] && [ -e "$work/scores.dat" ]; then
  fail "a scores.dat appeared in the folder the game started in as well"
fi
echo "level 1 passed in ${words[0]} ms; $scores is 84 bytes with a matching check value"
# The run that set the record is kept beside it, and replays to the time shown.
run="$(dirname "$scores")/replays/level-01.txt"
verdict=$("$program" --verify "$run") || fail "the kept run does not hold: $verdict"
[ "$verdict" = "$run: passes in ${words[0]} ms, as stated" ] || fail "the kept run: $verdict"
echo "the record's run is kept in $run and replays to ${words[0]} ms"

# A left click moves on to level 2, whose blue particle starts at (210, 290).
xdotool mousemove --window "$win" 400 $(( 240 + menu )) click 1
wait_for 5 bluish 210 285 || fail "level 2 did not load"
# The arrow keys switch levels: right to 3 (a particle at (189, 119)), left back to 2.
xdotool key Right
wait_for 5 bluish 189 114 || fail "the right arrow did not load level 3"
xdotool key Left
wait_for 5 bluish 210 285 || fail "the left arrow did not load level 2"
echo "advanced to level 2, arrows to level 3 and back"

# quit: Escape closes the window on the press; the release then has nowhere to go, which
# xdotool reports.
quit() {
  xdotool key Escape 2>/dev/null || true
  wait_for 5 sh -c "! kill -0 $gpid" || fail "Escape did not quit"
  wait "$gpid" || fail "the game exited with status $?"
  gpid=""
}
quit
echo "Escape quit the game"
# The connections made by signature name slots that exist.
! grep -E 'No such (slot|signal)' "$work/game.log" || fail "a connection names a slot that does not exist"
# Whether or not the machine has a sound output, the sound says at most one line: none when it
# opened one, and where there is none, that the game plays silently.
said=$(grep -c -i -E 'sound|alsa|openal|pcm|pulse' "$work/game.log" || true)
[ "$said" -le 1 ] || fail "the sound said $said lines on standard error"
echo "the sound said $said line(s) on standard error"

# Level 1 written out as a level file, opened from the command line and passed with the same
# drag: its record is kept beside the best-time file, and scores.dat is left as it was.
"$program" --export-level 1 >"$work/pull.swirl"
before=$(md5sum <"$scores")
start_game "$program" "$@" "$work/pull.swirl"
xdotool mousemove --window "$win" 700 $(( 350 + menu )) mousedown 1
xdotool mousemove --window "$win" 700 $(( 410 + menu )) mouseup 1
records="$(dirname "$scores")/level-records.txt"
wait_for 20 test -s "$records" || fail "the level file was not passed: no $records"
wait_for 5 level1Passed || fail "the level file does not show as passed"
[ "$(md5sum <"$scores")" = "$before" ] || fail "passing a level file changed $scores"
quit
echo "level 1 opened as a file and passed; its record is in $records: $(cat "$records")"
echo "play test passed"
