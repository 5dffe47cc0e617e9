#!/usr/bin/env bash
# cmake --install into a fresh prefix: the tree a player gets (bin/skyrift, share/skyrift) is
# complete and valid, and the installed game, started from another folder, finds its data there.
set -u
cmake=$1
build=$2
source "$(dirname "$0")/installed_game.sh"

if ! "$cmake" --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    exit 1
fi
check_tree "$work/prefix" bin share/skyrift
start_headless "$work/prefix" bin share/skyrift

[ $failures -eq 0 ] && echo "installed tree complete and valid; the game found its data from another folder"
exit $failures
