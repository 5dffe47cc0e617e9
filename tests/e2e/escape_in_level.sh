#!/usr/bin/env bash
# Through the title into the first level in real time; Escape during play ends the game with
# status 0 and no final score screen.
source "$(dirname "$0")/xvfb_game.sh" "$@"
screenshot_when_lit title
for _ in 1 2 3; do press Return; sleep 0.4; done
wait_for_play
press Escape
expect_exit 0
echo "level shown (screenshot $out/level.png); Escape ended the game with status 0"
