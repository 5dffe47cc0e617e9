# Shared by the end-to-end scripts: a private Xvfb, the real game in it, screenshots and keys.
# Source it with the game binary and an output folder; it leaves DISPLAY, gamepid, window set.
# SKYRIFT_LAUNCHER runs the game through another program (wine); SKYRIFT_WORKING_DIR starts it in
# another folder than its own.
set -u
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$2
data=$(dirname "$game")
mkdir -p "$out"
cd "${SKYRIFT_WORKING_DIR:-$data}"

# Xvfb picks a free display and names it on fd 3, so that games may run side by side.
rm -f "$out/display"
Xvfb -displayfd 3 -screen 0 640x480x24 -noreset >"$out/xvfb.log" 2>&1 3>"$out/display" &
xvfb=$!
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
display=:$(head -1 "$out/display")
gamepid=
cleanup() {
  [ -n "$gamepid" ] && kill -9 "$gamepid" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The default action for the signals that end the game: a script's background job would
# otherwise inherit SIGINT ignored.
SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} env --default-signal=INT,TERM,HUP ${SKYRIFT_LAUNCHER:-} "$game" \
  >"$out/game.out" 2>"$out/game.err" &
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

# Waits until the screen is not black and saves it as $out/$1.png (SDL2-based SDL 1.2 starts slower).
screenshot_when_lit() {
  local lit=0
  for _ in $(seq 40); do
    import -display "$DISPLAY" -window root "$out/$1.png" 2>/dev/null
    lit=$(convert "$out/$1.png" -format '%[fx:mean>0.02]' info: 2>/dev/null || echo 0)
    [ "$lit" = 1 ] && return 0
    sleep 0.25
  done
  echo "FAIL: the screen stayed black ($1)"; cat "$out/game.err"; exit 1
}

press() { xdotool key "$1" 2>/dev/null; }

# After the title: waits until the level plays. The loading stage and the 4 s loading pause
# come first, then the 300-frame start animation, which draws the HUD as play does: its frame
# covers the side panels, and its lower left part shows unchanged. Saves $out/level.png.
wait_for_play() {
  local differing=
  convert "$data/Images/Panorama/Contour_Score1.png" -crop 130x160+0+310 +repage "$out/frame-panel.png"
  for _ in $(seq 80); do
    import -display "$DISPLAY" -window root "$out/level.png" 2>/dev/null
    convert "$out/level.png" -crop 130x160+0+310 +repage "$out/level-panel.png" 2>/dev/null
    differing=$(compare -metric AE -fuzz 3% "$out/level-panel.png" "$out/frame-panel.png" null: 2>&1)
    if [ "${differing%%.*}" -le 200 ] 2>/dev/null; then
      sleep 5
      import -display "$DISPLAY" -window root "$out/level.png" 2>/dev/null
      return 0
    fi
    sleep 0.25
  done
  echo "FAIL: the level's HUD is not on screen ($differing pixels differ)"; exit 1
}

# Waits up to 10 s for the game to end and checks its exit status.
expect_exit() {
  for _ in $(seq 100); do kill -0 "$gamepid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$gamepid" 2>/dev/null; then
    echo "FAIL: the game is still running"; exit 1
  fi
  wait "$gamepid"
  local status=$?
  gamepid=
  if [ $status -ne "$1" ]; then
    echo "FAIL: exit status $status, expected $1"; cat "$out/game.out" "$out/game.err"; exit 1
  fi
}
