#!/usr/bin/env bash
# The installer under Wine: a silent install (/S) puts the game, its Start-menu entry and its
# uninstall entry in place; the installed skyrift.exe, started from another working folder,
# finds its data and shows the title; a silent uninstall then leaves nothing of it behind.
#   installer.sh SETUP.EXE OUT LINUX_GAME_FOLDER
set -u
here=$(cd "$(dirname "$0")" && pwd)
setup=$(realpath "$1")
dir=$(realpath -m "$2")
images=$(realpath "$3")/Images
source "$here/wine_env.sh"
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$dir"
mkdir -p "$dir/elsewhere"
drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Skyrift"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Skyrift.lnk"
keys=('HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Skyrift' 'HKLM\Software\Skyrift')

# Everything in the prefix's drive but the temporary folders, where Windows and NSIS's
# uninstaller keep their own scratch files.
files() { (cd "$drive" && find . -path '*/Temp' -prune -o -print | sort); }
wineserver --wait
files >"$dir/before.txt"
[ ! -e "$folder" ] || fail "the prefix has Skyrift installed already"

wine "$setup" /S
wineserver --wait
[ -f "$folder/skyrift.exe" ] && [ -f "$folder/SDL.dll" ] && [ -d "$folder/Images" ] ||
  fail "the silent install put no game in $folder"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$menu" ] || fail "no Start-menu entry"
for key in "${keys[@]}"; do wine reg query "$key" >/dev/null 2>&1 || fail "no registry key $key"; done
echo "installed into C:\\Program Files\\Skyrift: $(find "$folder" -type f | wc -l) files, the Start-menu entry, the uninstall entry"

# The installed game, started from a folder without data.
(
  SKYRIFT_LAUNCHER=wine SKYRIFT_WORKING_DIR=$dir/elsewhere source "$here/../e2e/xvfb_game.sh" "$folder/skyrift.exe" "$dir/run"
  screenshot_when_lit lit
  [ -n "$(python3 "$here/screen.py" titles "$images" "$out/title" 1)" ] || fail "the installed game started in another folder shows no title (see $out/title.png)"
  press Escape
  expect_exit 0
) || exit 1
echo "the installed game, started from another folder, showed its title; Escape ended it with status 0"

# NSIS's uninstaller copies itself to the temporary folder and runs from there: wait for it.
wine "$folder/Uninstall.exe" /S
wineserver --wait
files >"$dir/after.txt"
if ! diff -u "$dir/before.txt" "$dir/after.txt" >"$dir/left.diff"; then
  cat "$dir/left.diff"
  fail "the uninstaller left files behind or took others away"
fi
for key in "${keys[@]}"; do
  if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left $key"; fi
done
echo "uninstalled: no file and no registry key of Skyrift left"
