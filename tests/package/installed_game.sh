# Checks shared by the install and package tests. Source it: it makes the scratch folder $work
# (removed on exit); fail() counts a fault in $failures.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# check_tree PREFIX: the files a player gets under PREFIX (/usr in a package), valid where a
# validator exists for them, and none of the developer tools.
check_tree() {
    local prefix=$1 file
    for file in bin/skyrift share/applications/skyrift.desktop share/man/man6/skyrift.6.gz \
                share/skyrift/Images/Panorama/Programmer1.png share/skyrift/Sound/Shot4.wav \
                share/skyrift/Sound/Vintage.ogg; do
        [ -f "$prefix/$file" ] || fail "missing $file"
    done
    [ -x "$prefix/bin/skyrift" ] || fail "bin/skyrift is not executable"
    local tools
    tools=$(find "$prefix" -name 'skyrift-forge*' -o -name 'skyrift-sim*' -o -name 'test_*' -o -name '*.a')
    [ -z "$tools" ] && [ "$(ls "$prefix/bin")" = skyrift ] || fail "developer files installed: $tools $(ls "$prefix/bin")"

    local size shape
    for size in 48 128 256; do
        file=$prefix/share/icons/hicolor/${size}x${size}/apps/skyrift.png
        shape=$(identify -format '%w %h %[channels]' "$file" 2>&1)
        [ "$shape" = "$size $size srgba" ] || fail "icon $size: $shape"
    done

    desktop-file-validate "$prefix/share/applications/skyrift.desktop" || fail "desktop-file-validate"
    grep -qx 'Categories=Game;ArcadeGame;' "$prefix/share/applications/skyrift.desktop" || fail "desktop categories"
    grep -qx 'Icon=skyrift' "$prefix/share/applications/skyrift.desktop" || fail "desktop icon name"

    local metainfo
    metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null)
    if [ "$(echo "$metainfo" | wc -w)" -ne 1 ]; then
        fail "expected one metainfo file, found: $metainfo"
    else
        appstreamcli validate --no-net "$metainfo" >"$work/appstream" 2>&1 || fail "appstreamcli: $(cat "$work/appstream")"
        grep -q '<launchable type="desktop-id">skyrift.desktop</launchable>' "$metainfo" || fail "metainfo launchable"
        [ "$(grep -c '<screenshot' "$metainfo")" -ge 3 ] || fail "metainfo names fewer than three screenshots"
        grep -q '@[A-Z_]*@' "$metainfo" && fail "metainfo has an unfilled placeholder"
    fi

    # groff's own warnings, as a man page checker would see them.
    local man_warnings
    man_warnings=$(zcat "$prefix/share/man/man6/skyrift.6.gz" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$man_warnings" ] || fail "man page: $man_warnings"
    zcat "$prefix/share/man/man6/skyrift.6.gz" | grep -q '@[A-Z_]*@' && fail "man page has an unfilled placeholder"
    for section in CONTROLS FILES 'EXIT STATUS'; do
        zcat "$prefix/share/man/man6/skyrift.6.gz" | grep -q "^\.SH $section" || fail "man page lacks $section"
    done
}

# start_headless PREFIX: starts PREFIX/bin/skyrift on SDL's dummy drivers from an empty working
# directory. It must move into PREFIX/share/skyrift, load the title's pictures without a
# warning and still be running on the title screen (nothing answers it there) a few seconds
# later; then it is killed.
start_headless() {
    local prefix=$1 want pid seen="" i
    want=$(readlink -f "$prefix/share/skyrift")
    mkdir -p "$work/elsewhere"
    (cd "$work/elsewhere" && exec env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "$prefix/bin/skyrift" >"$work/game.out" 2>"$work/game.err") &
    pid=$!
    for i in $(seq 50); do
        seen=$(readlink "/proc/$pid/cwd" 2>/dev/null)
        [ "$seen" = "$want" ] && break
        sleep 0.1
    done
    sleep 3
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        wait "$pid" 2>/dev/null
    else
        wait "$pid"
        fail "the game ended by itself with status $?"
    fi
    [ "$seen" = "$want" ] || fail "the game worked in '$seen', not in its data folder $want"
    [ -s "$work/game.err" ] && fail "the game complained: $(head -5 "$work/game.err")"
    [ -s "$work/game.out" ] && fail "the game printed: $(head -5 "$work/game.out")"
    return 0
}
