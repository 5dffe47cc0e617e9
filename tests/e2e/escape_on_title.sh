#!/usr/bin/env bash
# The real game in a real X server: the title screen appears, Escape ends the game with status 0.
set -u
game=$1
out=$2
mkdir -p "$out"
cd "$(dirname "$game")"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 -noreset >"$out/xvfb.log" 2>&1 &
xvfb=$!
gamepid=
cleanup() {
  [ -n "$gamepid" ] && kill "$gamepid" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} ./skyrift >"$out/game.out" 2>"$out/game.err" &
gamepid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --class skyrift 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "FAIL: no skyrift window appeared"; cat "$out/game.out" "$out/game.err"; exit 1
fi
# The title picture must reach the screen, not a black window (SDL2-based SDL 1.2 starts slower).
lit=0
for _ in $(seq 40); do
  import -display "$display" -window root "$out/title.png" 2>/dev/null
  lit=$(convert "$out/title.png" -format '%[fx:mean>0.02]' info: 2>/dev/null || echo 0)
  [ "$lit" = 1 ] && break
  sleep 0.25
done
if [ "$lit" != 1 ]; then
  echo "FAIL: the screen stayed black"; cat "$out/game.err"; exit 1
fi
xdotool key --window "$window" Escape 2>/dev/null
xdotool key Escape 2>/dev/null

for _ in $(seq 100); do kill -0 "$gamepid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$gamepid" 2>/dev/null; then
  echo "FAIL: the game is still running after Escape"; exit 1
fi
wait "$gamepid"
status=$?
gamepid=
if [ $status -ne 0 ]; then
  echo "FAIL: exit status $status"; cat "$out/game.out" "$out/game.err"; exit 1
fi
echo "title screen shown (screenshot $out/title.png); Escape ended the game with status 0"
