#!/usr/bin/env bash
# The Debian packages, made and checked as Debian does. dpkg-buildpackage builds the source package
# and both binaries from a clean copy of the sources (nocheck: the suite runs apart); lintian
# reports no error and no warning on the .changes; skyrift holds the game and its files, depends
# on the SDL 1.2 runtime and on skyrift-data of its own version, which holds all the data, the
# same bytes as this build's forge made. As root, apt installs both, the game started under Xvfb
# from another folder finds its data and shows its title, and apt remove leaves nothing of it;
# the machine is left with the packages it had.
#   deb_package.sh SOURCE_DIR BUILD_DIR
set -u
src=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/installed_game.sh"

version=$(dpkg-parsechangelog -l "$src/debian/changelog" -SVersion)
arch=$(dpkg --print-architecture)
tree=$work/skyrift-$version
mkdir -p "$tree"
# The sources as a fresh clone would have them, uncommitted changes included, and no build.
if git -C "$src" rev-parse --show-toplevel >/dev/null 2>&1; then
    (cd "$src" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -C "$tree" -xf -
else
    tar -C "$src" --exclude='./build*' --exclude=node_modules -cf - . | tar -C "$tree" -xf -
fi

if ! (cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc) \
        >"$work/build.log" 2>&1; then
    tail -40 "$work/build.log"
    exit 1
fi
game_deb=$work/skyrift_${version}_$arch.deb
data_deb=$work/skyrift-data_${version}_all.deb
changes=$work/skyrift_${version}_$arch.changes
for file in "$game_deb" "$data_deb" "$changes"; do
    [ -f "$file" ] || { echo "FAIL: dpkg-buildpackage made no $(basename "$file"): $(ls "$work")"; exit 1; }
done

if ! lintian --info --display-info --pedantic --fail-on error,warning "$changes" >"$work/lintian" 2>&1 ||
   grep -Eq '^[EW]: ' "$work/lintian"; then
    fail "lintian reports errors or warnings (or did not run)"
fi
grep -Ev '^N:( |$)|running with root privileges' "$work/lintian" | sed 's/^/lintian: /'

# What the package build's CMake configured with its defaults: the version and the maintainer
# must be the project's, and debian/copyright the licence file cmake --install installs.
cache=$tree/debian/build/CMakeCache.txt
project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$cache")
maintainer=$(sed -n 's/^SKYRIFT_MAINTAINER:STRING=//p' "$cache")
[ "$version" = "$project_version" ] || fail "the changelog's version $version is not the project's $project_version"
cmp -s "$tree/debian/copyright" "$tree/debian/build/packaging/copyright" ||
    fail "debian/copyright is not packaging/copyright.in filled with the defaults"

for deb in "$game_deb" "$data_deb"; do
    [ "$(dpkg-deb -f "$deb" Maintainer)" = "$maintainer" ] || fail "$(basename "$deb")'s Maintainer is not $maintainer"
done

# Each package holds its own half: the data only in skyrift-data, and nothing but the data there.
dpkg-deb -c "$game_deb" | awk '{print $6}' >"$work/game.files"
dpkg-deb -c "$data_deb" | awk '{print $6}' >"$work/data.files"
grep -v -e '^\./$' -e '^\./usr/' "$work/game.files" | head -3 | grep . && fail "skyrift holds files outside /usr"
grep '^\./usr/share/games/.' "$work/game.files" | head -3 | grep . && fail "skyrift holds data"
grep -v -e '^\./\(usr/\(share/\(games/\|doc/\)\?\)\?\)\?$' -e '^\./usr/share/games/skyrift/' \
    -e '^\./usr/share/doc/skyrift-data/' "$work/data.files" | head -3 | grep . && fail "skyrift-data holds more than the data"

depends=$(dpkg-deb -f "$game_deb" Depends)
grep -Eq "(^|, )skyrift-data \(= $version\)(,|$)" <<<"$depends" || fail "skyrift does not depend on skyrift-data (= $version): $depends"
grep -q 'libc6 (>= ' <<<"$depends" || fail "no versioned libc6 dependency: $depends"

dpkg-deb -x "$game_deb" "$work/root"
dpkg-deb -x "$data_deb" "$work/root"
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
# Debian's hardening: full RELRO with immediate binding, and fortified calls.
readelf -d "$work/root/usr/games/skyrift" | grep -q 'BIND_NOW\|FLAGS.*NOW' || fail "the game is not linked with -z now"
readelf -sW "$work/root/usr/games/skyrift" | grep -q '__[a-z_]*_chk@' || fail "the game calls no fortified function"

check_tree "$work/root/usr" games share/games/skyrift
# The hardened build's forge made the same bytes as this build's, and packing kept them.
for folder in Images Sound; do
    [ -d "$build/game/$folder" ] || continue
    diff -rq "$build/game/$folder" "$work/root/usr/share/games/skyrift/$folder" >"$work/data.diff" ||
        fail "the packed $folder differ from this build's: $(head -3 "$work/data.diff")"
done

# skyrift_installed_game: under a private Xvfb, /usr/games/skyrift from an empty folder must move
# into /usr/share/games/skyrift, open its window, light the screen with its title and complain of
# nothing; then it is killed.
skyrift_installed_game() {
    local display xvfb pid window="" lit=0 before=$failures
    seen=""
    mkdir -p "$work/elsewhere"
    Xvfb -displayfd 3 -screen 0 640x480x24 -noreset >"$work/xvfb.log" 2>&1 3>"$work/display" &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    display=:$(head -1 "$work/display")
    (cd "$work/elsewhere" && exec env DISPLAY="$display" SDL_AUDIODRIVER=dummy /usr/games/skyrift \
        >"$work/game.out" 2>"$work/game.err") &
    pid=$!
    for _ in $(seq 100); do
        window=$(DISPLAY=$display xdotool search --class skyrift 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    for _ in $(seq 40); do
        import -display "$display" -window root "$work/title.png" 2>/dev/null
        lit=$(convert "$work/title.png" -format '%[fx:mean>0.02]' info: 2>/dev/null || echo 0)
        [ "$lit" = 1 ] && break
        sleep 0.25
    done
    seen=$(readlink "/proc/$pid/cwd" 2>/dev/null)
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        wait "$pid" 2>/dev/null
    else
        wait "$pid"
        fail "the installed game ended by itself with status $?"
    fi
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    [ -n "$window" ] || fail "the installed game opened no window"
    [ "$lit" = 1 ] || fail "the installed game's screen stayed black"
    [ "$seen" = /usr/share/games/skyrift ] || fail "the installed game worked in '$seen', not in /usr/share/games/skyrift"
    [ -s "$work/game.err" ] && fail "the installed game complained: $(head -5 "$work/game.err")"
    [ -s "$work/game.out" ] && fail "the installed game printed: $(head -5 "$work/game.out")"
    mkdir -p "$build/package" && cp "$work/title.png" "$build/package/installed-title.png" 2>/dev/null
    [ $failures -eq "$before" ]
}

packages() { dpkg-query -W -f='${binary:Package} ${Version} ${db:Status-Abbrev}\n' | sort; }
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600 "$@" >>"$work/apt.log" 2>&1; }
installed() { dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null | grep -q '^.i'; }

if [ "$(id -u)" -ne 0 ]; then
    echo "not root: the packages were not installed into the system; the unpacked game is started headless"
    start_headless "$work/root/usr" games share/games/skyrift
elif installed skyrift || installed skyrift-data; then
    echo "skyrift is installed on this machine already: left as it is, the unpacked game is started headless"
    start_headless "$work/root/usr" games share/games/skyrift
else
    packages >"$work/packages.before"
    # A failure half-way must not leave the packages on the machine.
    trap 'apt_get remove skyrift skyrift-data; rm -rf "$work"' EXIT
    chmod 755 "$work"  # apt reads local packages as its own user
    # The paths the packages bring that the machine does not have yet; none may outlive them.
    sed 's/^\.//; s|/$||' "$work/game.files" "$work/data.files" | sort -u | while read -r path; do
        [ -n "$path" ] && [ ! -e "$path" ] && echo "$path"
    done >"$work/new.paths"
    if apt_get install --no-install-recommends "$game_deb" "$data_deb" && installed skyrift && installed skyrift-data; then
        echo "apt installed $(basename "$game_deb") and $(basename "$data_deb")"
        skyrift_installed_game && echo "/usr/games/skyrift, started in $work/elsewhere under Xvfb, worked in $seen and showed its title"
        apt_get remove skyrift skyrift-data || fail "apt remove: $(tail -5 "$work/apt.log")"
        for package in skyrift skyrift-data; do
            dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null | grep -q '^.[icHUFWt]' &&
                fail "$package is still on the machine after apt remove: $(dpkg-query -W -f='${db:Status-Abbrev}' "$package")"
        done
        while read -r path; do
            [ -e "$path" ] && fail "left behind after apt remove: $path"
        done <"$work/new.paths"
        echo "apt remove left none of the $(wc -l <"$work/new.paths") paths the packages had added"
    else
        fail "apt install: $(tail -5 "$work/apt.log")"
        apt_get remove skyrift skyrift-data
    fi
    packages >"$work/packages.after"
    # Whatever apt brought in for them goes too.
    extra=$(comm -13 "$work/packages.before" "$work/packages.after" | awk '{print $1}')
    if [ -n "$extra" ]; then
        # shellcheck disable=SC2086
        apt_get purge $extra
        packages >"$work/packages.after"
    fi
    if diff "$work/packages.before" "$work/packages.after" >"$work/packages.diff"; then
        echo "the machine has the packages it had${extra:+, after purging what apt brought in: $extra}"
    else
        fail "the machine's packages changed: $(head -5 "$work/packages.diff")"
    fi
    trap 'rm -rf "$work"' EXIT
fi

if [ $failures -eq 0 ]; then
    echo "$(basename "$game_deb") ($(stat -c %s "$game_deb") bytes) and $(basename "$data_deb") ($(stat -c %s "$data_deb") bytes): lintian clean"
fi
exit $failures
