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
titles=()
for n in 1 2 3 4 5; do titles+=("$images/Panorama/Programmer$n.png"); done
fail() { echo "FAIL: $*"; exit 1; }

# title_frame NAME: screenshots of the title screen (its pictures turn every 91 ms) until one
# shows a whole picture; saves it as $dir/NAME-N.png for picture N and prints N (0: none came).
title_frame() {
  local n
  for _ in $(seq 40); do
    import -display "$DISPLAY" -window root "$dir/$1.png" 2>/dev/null
    n=$(reader frame "$dir/$1.png" "${titles[@]}")
    if [ "$n" != 0 ]; then mv "$dir/$1.png" "$dir/$1-$n.png"; echo "$n"; return; fi
  done
  echo 0
}

# The Linux build's title first: every picture of it, as its screen shows them.
(
  source "$here/../e2e/xvfb_game.sh" "$linux" "$dir/linux"
  screenshot_when_lit lit
  for _ in $(seq 60); do
    title_frame linux-title >/dev/null
    [ "$(ls "$dir"/linux-title-*.png 2>/dev/null | wc -l)" -eq 5 ] && break
  done
  press Escape
  expect_exit 0
) || fail "the Linux build did not show its title"

SKYRIFT_LAUNCHER=wine source "$here/../e2e/xvfb_game.sh" "$exe" "$dir/wine"
screenshot_when_lit lit
shown=$(title_frame title)
[ "$shown" != 0 ] || fail "the title under Wine is none of the title's pictures (see $dir/title.png)"
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

xdotool keydown g Left; sleep 1.2; xdotool keyup Left
shot left
left=$(reader ship "$dir/left.png" "$images")
read -r x0 y0 <<<"$start"
read -r x1 y1 <<<"${left/none/999 999}"
[ "$x1" -lt $((x0 - 40)) ] || fail "G and Left did not move the ship left: from $start to $left"
xdotool keydown Up; sleep 1; xdotool keyup Up
shot up
up=$(reader ship "$dir/up.png" "$images")
read -r x2 y2 <<<"${up/none/999 999}"
[ "$y2" -lt $((y1 - 40)) ] || fail "Up did not move the ship up: from $left to $up"
echo "G and Left moved the ship to $left, Up to $up"

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
