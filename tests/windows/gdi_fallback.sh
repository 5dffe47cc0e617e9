#!/usr/bin/env bash
# Where DirectDraw cannot open the display (here Wine's gdi renderer: "No available video
# device") the game runs on SDL's windib driver: the title shows as DirectX shows it, and
# Escape ends the game with status 0.
#   gdi_fallback.sh SKYRIFT.EXE OUT
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1")
dir=$(realpath -m "$2")
source "$here/wine_env.sh"
fail() { echo "FAIL: $*"; exit 1; }
# For skyrift.exe alone, and only while this test runs (the tests share the prefix).
key='HKCU\Software\Wine\AppDefaults\skyrift.exe\Direct3D'
wine reg add "$key" /v renderer /d gdi /f >/dev/null 2>&1 || fail "cannot choose Wine's gdi renderer"
trap 'wine reg delete "${key%\\Direct3D}" /f >/dev/null 2>&1' EXIT
(
  SKYRIFT_LAUNCHER=wine source "$here/../e2e/xvfb_game.sh" "$exe" "$dir"
  screenshot_when_lit lit
  [ -n "$(python3 "$here/screen.py" titles "$(dirname "$exe")/Images" "$out/title" 1)" ] || fail "with Wine's gdi renderer the title is not on the screen (see $out/title.png)"
  press Escape
  expect_exit 0
) || exit 1
grep -q 'Unable to set video mode' "$dir/game.out" && fail "the game reported no video mode"
echo "with Wine's gdi renderer the game showed its title on windib; Escape ended it with status 0"
