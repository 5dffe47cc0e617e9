#!/usr/bin/env bash
# The windows.* tests' Wine prefix: "make" makes it afresh for the run, "remove" ends its Wine
# processes and removes it.
set -u
export SKYRIFT_WINEPREFIX=${SKYRIFT_WINEPREFIX:?}
case ${1:-} in
  make)
    rm -rf "$SKYRIFT_WINEPREFIX"
    source "$(dirname "$0")/wine_env.sh"
    echo "Wine prefix $WINEPREFIX ready: $(wine --version)"
    ;;
  remove)
    WINEPREFIX=$SKYRIFT_WINEPREFIX wineserver -k 2>/dev/null
    rm -rf "$SKYRIFT_WINEPREFIX" "$SKYRIFT_WINEPREFIX.lock" "$SKYRIFT_WINEPREFIX.log"
    ;;
  *) echo "usage: prefix.sh make|remove"; exit 2 ;;
esac
