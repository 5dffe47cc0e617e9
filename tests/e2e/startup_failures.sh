#!/usr/bin/env bash
# Start-up without a display, without audio, without data and with missing pictures.
set -u
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# No usable display: a message and status 1, no crash.
mkdir -p "$work/data/Images"
(cd "$work/data" && SDL_VIDEODRIVER=no-such-driver "$game" >"$work/out" 2>"$work/err")
status=$?
[ $status -eq 1 ] || fail "no display: status $status"
grep -q '^Unable to set video mode: ' "$work/out" || fail "no display: message missing: $(cat "$work/out" "$work/err")"

# No data anywhere: the places looked in, status 1.
mkdir -p "$work/bin" "$work/empty"
cp "$game" "$work/bin/skyrift"
(cd "$work/empty" && SDL_VIDEODRIVER=dummy "$work/bin/skyrift" >"$work/out" 2>"$work/err")
status=$?
[ $status -eq 1 ] || fail "no data: status $status"
grep -q 'cannot find its data' "$work/err" || fail "no data: message missing: $(cat "$work/err")"
grep -q "$work/bin" "$work/err" || fail "no data: the executable's folder is not named"

# Data beside the executable, every picture missing, no audio device: warnings, and the game
# keeps running (on the dummy driver nothing ends the title screen, so it is killed).
mkdir -p "$work/bin/Images"
(cd "$work/empty" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=no-such-driver \
   timeout -s KILL 3 "$work/bin/skyrift" >"$work/out" 2>"$work/err")
status=$?
[ $status -eq 137 ] || fail "missing pictures / no audio: status $status (expected to be still running)"
grep -q "Warning: Couldn't set 44100 Hz 16-bit audio" "$work/out" || fail "no audio: warning missing"
grep -q ' Reason: ' "$work/out" || fail "no audio: reason missing"
grep -q 'Images/Panorama/Programmer1.png' "$work/err" || fail "missing picture: no warning naming it"

if [ $failures -eq 0 ]; then echo "start-up failure cases passed"; fi
exit $failures
