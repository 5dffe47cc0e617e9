#!/usr/bin/env bash
# cpack -G DEB: the package depends on the SDL 1.2 runtime packages the game links, holds the
# player's tree under /usr and nothing else, and, unpacked into a scratch root, the game in it
# finds its data there.
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
for needed in $(objdump -p "$work/root/usr/bin/skyrift" | awk '$1 == "NEEDED" && $2 ~ /^libSDL/ {print $2}'); do
    sdl_libraries=$((sdl_libraries + 1))
    path=$(ldd "$work/root/usr/bin/skyrift" | awk -v lib="$needed" '$1 == lib {print $3}')
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | cut -d: -f1)
    [ -n "$owner" ] || { fail "$needed ($path) belongs to no package"; continue; }
    grep -Eq "(^|, )$owner \(>= [^)]+\)" <<<"$depends" || fail "$needed comes from $owner, not in Depends: $depends"
done
[ $sdl_libraries -eq 3 ] || fail "the game links $sdl_libraries SDL libraries, expected SDL, SDL_image, SDL_mixer"

dpkg-deb -c "$deb" >"$work/contents"
awk '$2 != "root/root" {print "FAIL: not owned by root:", $0}' "$work/contents" | head -3 | grep . && fail "ownership"
awk '{print $6}' "$work/contents" | grep -v '^\./usr/' | grep -vx '\./' && fail "files outside /usr"
check_tree "$work/root/usr"
start_headless "$work/root/usr"

[ $failures -eq 0 ] && echo "$(basename "$deb"): depends on $depends; unpacked, the game found its data"
exit $failures
