#!/usr/bin/env bash
# cpack -G DEB: lintian reports no error and no warning (its informational tags are printed);
# the package depends on the SDL 1.2 runtime packages the game links, holds the player's tree
# under /usr in Debian's games layout (/usr/games, /usr/share/games/skyrift) and nothing else,
# and, unpacked into a scratch root, the game in it finds its data there.
set -u
cpack=$1
build=$2
source "$(dirname "$0")/installed_game.sh"

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb: ${debs[*]}"; exit 1; }
deb=${debs[0]}

if ! lintian --info --display-info --fail-on error,warning "$deb" >"$work/lintian" 2>&1 ||
   grep -Eq '^[EW]: ' "$work/lintian"; then
    fail "lintian reports errors or warnings (or did not run)"
fi
grep -Ev '^N:( |$)|running with root privileges' "$work/lintian" | sed 's/^/lintian: /'

version=$(dpkg-deb -f "$deb" Version)
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/skyrift/changelog.gz | zcat | head -1 >"$work/changelog"
grep -q "^skyrift ($version) " "$work/changelog" || fail "the changelog's latest entry is not $version: $(cat "$work/changelog")"

dpkg-deb -f "$deb" Package Architecture Section >"$work/fields"
[ "$(cat "$work/fields")" = "Package: skyrift
Architecture: $(dpkg --print-architecture)
Section: games" ] || fail "control fields: $(cat "$work/fields")"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libc6 (>= ' <<<"$depends" || fail "no versioned libc6 dependency: $depends"

dpkg-deb -x "$deb" "$work/root"
# Each SDL library the game links directly must come in through its own package, with the
# minimum version its symbols need.
sdl_libraries=0
for needed in $(objdump -p "$work/root/usr/games/skyrift" | awk '$1 == "NEEDED" && $2 ~ /^libSDL/ {print $2}'); do
    sdl_libraries=$((sdl_libraries + 1))
    path=$(ldd "$work/root/usr/games/skyrift" | awk -v lib="$needed" '$1 == lib {print $3}')
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | cut -d: -f1)
    [ -n "$owner" ] || { fail "$needed ($path) belongs to no package"; continue; }
    grep -Eq "(^|, )$owner \(>= [^)]+\)" <<<"$depends" || fail "$needed comes from $owner, not in Depends: $depends"
done
[ $sdl_libraries -eq 3 ] || fail "the game links $sdl_libraries SDL libraries, expected SDL, SDL_image, SDL_mixer"

dpkg-deb -c "$deb" >"$work/contents"
awk '$2 != "root/root" {print "FAIL: not owned by root:", $0}' "$work/contents" | head -3 | grep . && fail "ownership"
awk '{print $6}' "$work/contents" | grep -v '^\./usr/' | grep -vx '\./' && fail "files outside /usr"
check_tree "$work/root/usr" games share/games/skyrift
start_headless "$work/root/usr" games share/games/skyrift

[ $failures -eq 0 ] && echo "$(basename "$deb"): depends on $depends; unpacked, the game found its data"
exit $failures
