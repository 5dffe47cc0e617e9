#!/usr/bin/env bash
# The real game in a real X server: the title screen appears, Escape ends the game with status 0.
source "$(dirname "$0")/xvfb_game.sh" "$@"
screenshot_when_lit title
press Escape
expect_exit 0
echo "title screen shown (screenshot $out/title.png); Escape ended the game with status 0"
