#!/usr/bin/env bash
# Through the title into the first level in real time; Escape during play ends the game with
# status 0 and no final score screen.
source "$(dirname "$0")/xvfb_game.sh" "$@"
screenshot_when_lit title
for _ in 1 2 3; do press Return; sleep 0.4; done
# Loading stage, the 4 s loading pause and the 300-frame start animation: about 9 s.
sleep 10
import -window root "$out/level.png"
# In play the HUD frame covers the side panels: its lower left part shows unchanged.
convert "$out/level.png" -crop 130x160+0+310 +repage "$out/level-panel.png"
convert Images/Panorama/Contour_Score1.png -crop 130x160+0+310 +repage "$out/frame-panel.png"
differing=$(compare -metric AE -fuzz 3% "$out/level-panel.png" "$out/frame-panel.png" null: 2>&1)
if [ "${differing%%.*}" -gt 200 ] 2>/dev/null || ! [ "${differing%%.*}" -ge 0 ] 2>/dev/null; then
  echo "FAIL: the level's HUD is not on screen ($differing pixels differ)"; exit 1
fi
press Escape
expect_exit 0
echo "level shown (screenshot $out/level.png); Escape ended the game with status 0"
