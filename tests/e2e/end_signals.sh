#!/usr/bin/env bash
# SIGINT, SIGTERM and SIGHUP end the real game under Xvfb on the title screen, in Level 1 (in
# play, and one while it loads) and on the game-over screen: each game ends by the signal it was
# sent (status 128 + N) within a few frames. Every case is one game in its own Xvfb; they run
# side by side, since an idle ship takes 40 to 60 s to lose its six lives. The final score screen
# comes only after Level 6 is cleared: tests/shell sends it the signals in process.
# A third argument names the only screen to try (the SDL2-based SDL 1.2 tries the title).
set -u
game=$1
out=$2
only=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
# The signal is seen at the next frame wait (13 ms), then SDL_Quit closes the window and the
# audio device, which waits for the buffer being played (2048 samples, 46 ms): well under 100 ms
# on an idle machine. The limit leaves room for a machine loaded by parallel builds and tests.
limit_ms=3000

# Waits (up to 120 s) until the screen stays the same for a second: in play the background
# always scrolls, the game-over screen draws nothing while it waits for an answer.
wait_for_game_over() {
  import -display "$DISPLAY" -window root "$out/before.png" 2>/dev/null
  for _ in $(seq 120); do
    sleep 1
    import -display "$DISPLAY" -window root "$out/now.png" 2>/dev/null
    if [ "$(compare -metric AE "$out/before.png" "$out/now.png" null: 2>&1)" = 0 ]; then
      mv "$out/now.png" "$out/game-over.png"
      return 0
    fi
    mv "$out/now.png" "$out/before.png"
  done
  echo "FAIL: no game-over screen within 120 s"; exit 1
}

# one_case SCREEN SIGNAL: brings a new game to SCREEN, sends SIGNAL, prints how long the window
# and the process took to go and fails unless the game ended by that signal in time.
one_case() {
  local screen=$1 signal=$2
  source "$here/xvfb_game.sh" "$game" "$out/$screen-$signal"
  screenshot_when_lit title
  if [ "$screen" != title ]; then
    for _ in 1 2 3; do press Return; sleep 0.4; done
  fi
  case $screen in
    loading) sleep 1.5 ;;
    level) wait_for_play ;;
    game-over) wait_for_play; wait_for_game_over ;;
  esac
  local start exit_ms status watchdog
  # A game the signal does not end is killed after 10 s (status 137).
  (sleep 10; kill -KILL "$gamepid" 2>/dev/null) &
  watchdog=$!
  start=$(date +%s%N)
  kill -s "$signal" "$gamepid"
  wait "$gamepid"
  status=$?
  exit_ms=$((($(date +%s%N) - start) / 1000000))
  kill "$watchdog" 2>/dev/null
  gamepid=
  local line="$screen SIG$signal: status $status after $exit_ms ms"
  if [ $status -ne $((128 + $(kill -l "$signal"))) ]; then
    echo "FAIL: $line"; cat "$out/game.err"; exit 1
  fi
  [ $exit_ms -le $limit_ms ] || { echo "FAIL: $line (limit $limit_ms ms)"; exit 1; }
  echo "$line"
}

cases=()
for screen in game-over title level; do
  for signal in INT TERM HUP; do cases+=("$screen $signal"); done
done
cases+=("loading TERM")
if [ -n "$only" ]; then
  for i in "${!cases[@]}"; do [ "${cases[$i]%% *}" = "$only" ] || unset "cases[$i]"; done
fi

# The game-over cases start first, as they take longest; the others run one by one meanwhile.
failures=0
pids=()
for entry in "${cases[@]}"; do
  set -- $entry
  if [ "$1" = game-over ]; then
    (one_case "$1" "$2") >"$out/$1-$2.log" 2>&1 &
    pids+=($!)
  else
    (one_case "$1" "$2") >"$out/$1-$2.log" 2>&1 || failures=$((failures + 1))
  fi
done
for pid in "${pids[@]}"; do
  wait "$pid" || failures=$((failures + 1))
done
for entry in "${cases[@]}"; do
  set -- $entry
  cat "$out/$1-$2.log"
done
exit $failures
