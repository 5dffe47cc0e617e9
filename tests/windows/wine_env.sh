# Shared by the windows.* tests: Wine quiet, in the test run's own prefix (SKYRIFT_WINEPREFIX),
# made on first use (wineboot takes 10 to 20 s, so the whole run shares one). Source it; a
# test whose Wine cannot start ends here with status 77 (skipped).
export WINEPREFIX=${SKYRIFT_WINEPREFIX:?the tests name their Wine prefix}
export WINEDEBUG=-all
# No Mono or Gecko: there is nothing to download them from, and the game needs neither. No
# menu entries and file types in the desktop of the machine for what the tests install.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

wine_skip() { echo "SKIPPED: $1"; exit 77; }
command -v wine >/dev/null 2>&1 || wine_skip "no wine installed"
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    rm -rf "$WINEPREFIX"
    # Without a display: wineboot would open its "updating" window on whatever DISPLAY is set.
    DISPLAY= timeout 180 wineboot --init >"$WINEPREFIX.log" 2>&1 && timeout 60 wineserver --wait &&
      [ -f "$WINEPREFIX/system.reg" ] && touch "$WINEPREFIX/.ready"
  fi
) 9>"$WINEPREFIX.lock"
[ -f "$WINEPREFIX/.ready" ] || wine_skip "Wine cannot start: $(tail -n 3 "$WINEPREFIX.log" 2>/dev/null)"
