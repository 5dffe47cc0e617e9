#!/usr/bin/env bash
# skyrift.exe under Wine in Xvfb, as tests/e2e plays the Linux game: the title screen the same
# pixel for pixel as the Linux build shows it, three Enters into Level 1, G with the arrows
# moving the ship and raising the score, Escape ending the game with status 0.
#   play.sh SKYRIFT.EXE OUT LINUX_SKYRIFT
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1")
dir=$(realpath -m "$2")  # xvfb_game.sh keeps its own files in $out
linux=$(realpath "$3")
source "$here/wine_env.sh"
mkdir -p "$dir"
reader() { python3 "$here/screen.py" "$@"; }
images=$(dirname "$linux")/Images
fail() { echo "FAIL: $*"; exit 1; }

# The Linux build's title first: every picture of it, as its screen shows them.
(
  source "$here/../e2e/xvfb_game.sh" "$linux" "$dir/linux"
  screenshot_when_lit lit
  reader titles "$images" "$dir/linux-title" 5 >/dev/null
  press Escape
  expect_exit 0
) || fail "the Linux build did not show its title"

SKYRIFT_LAUNCHER=wine source "$here/../e2e/xvfb_game.sh" "$exe" "$dir/wine"
screenshot_when_lit lit
shown=$(reader titles "$images" "$dir/title" 1)
[ -n "$shown" ] || fail "the title under Wine is none of the title's pictures (see $dir/title.png)"
[ -f "$dir/linux-title-$shown.png" ] || fail "the Linux build never showed title picture $shown"
differing=$(compare -metric AE "$dir/title-$shown.png" "$dir/linux-title-$shown.png" null: 2>&1)
[ "$differing" = 0 ] || fail "the title differs from the Linux build's in $differing pixels"
echo "title: picture $shown of the title, the same pixel for pixel as on Linux"

for _ in 1 2 3; do press Return; sleep 0.4; done
wait_for_play
shot() { import -display "$DISPLAY" -window root "$dir/$1.png" 2>/dev/null; }
# Under Wine the start animation may take longer than its 3.9 s: play begins with the ship.
start=none
for _ in $(seq 60); do
  shot level
  start=$(reader ship "$dir/level.png" "$images")
  [ "$start" != none ] && break
  sleep 0.5
done
[ "$start" != none ] || fail "no ship on the playfield (see $dir/level.png)"
score=$(reader score "$dir/level.png" "$images")
[ "$score" = 0 ] || fail "Level 1 did not start with score 0 on its HUD (read: $score)"
echo "Level 1: score 0, the ship at $start"

# hold KEY NAME AXIS LIMIT: holds KEY (G is down too) until the ship's AXIS (x or y) is below
# LIMIT, for up to 15 s: under Wine on a busy machine the game may run at a fraction of its frame
# rate. Leaves the ship's place in $place ("x y", or none); fails when it did not get there.
hold() {
  local x y
  xdotool keydown "$1"
  for _ in $(seq 15); do
    sleep 1
    shot "$2"
    place=$(reader ship "$dir/$2.png" "$images")
    read -r x y <<<"${place/none/-1 -1}"
    [ "$3" = y ] && x=$y
    [ "$x" -ge 0 ] && [ "$x" -lt "$4" ] && break
  done
  xdotool keyup "$1"
  [ "$x" -ge 0 ] && [ "$x" -lt "$4" ]
}
read -r x0 y0 <<<"$start"
xdotool keydown g
hold Left left x $((x0 - 40)) || fail "G and Left did not move the ship left: from $start to $place"
left=$place
hold Up up y $((${left#* } - 40)) || fail "Up did not move the ship up: from $left to $place"
echo "G and Left moved the ship to $left, Up to $place"

# Sweep the playfield firing until something is hit.
score=0
for sweep in $(seq 20); do
  key=Right; [ $((sweep % 2)) = 0 ] && key=Left
  xdotool keydown $key; sleep 0.7; xdotool keyup $key
  shot play
  score=$(reader score "$dir/play.png" "$images")
  [ "$score" != none ] && [ "$score" -gt 0 ] && break
done
xdotool keyup g
[ "$score" != none ] && [ "$score" -gt 0 ] || fail "firing scored nothing (HUD: $score; see $dir/play.png)"
echo "firing scored: the HUD shows $score"

press Escape
expect_exit 0
echo "Escape ended the game with status 0"
