# Checks shared by the install and package tests. Source it: it makes the scratch folder $work
# (removed on exit); fail() counts a fault in $failures.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# check_tree PREFIX BINDIR DATADIR: the files a player gets under PREFIX (/usr in a package),
# the game in PREFIX/BINDIR and its data in PREFIX/DATADIR, valid where a validator exists for
# them, and none of the developer tools.
check_tree() {
    local prefix=$1 bindir=$2 datadir=$3 file
    for file in "$bindir/skyrift" share/applications/skyrift.desktop share/man/man6/skyrift.6.gz \
                "$datadir/Images/Panorama/Programmer1.png" "$datadir/Sound/Shot4.wav" \
                "$datadir/Sound/Vintage.ogg" share/doc/skyrift/copyright share/doc/skyrift/changelog.gz; do
        [ -f "$prefix/$file" ] || fail "missing $file"
    done
    [ -x "$prefix/$bindir/skyrift" ] || fail "$bindir/skyrift is not executable"
    local tools
    tools=$(find "$prefix" -name 'skyrift-forge*' -o -name 'skyrift-sim*' -o -name 'test_*' -o -name '*.a')
    [ -z "$tools" ] && [ "$(ls "$prefix/$bindir")" = skyrift ] || fail "developer files installed: $tools $(ls "$prefix/$bindir")"
    local other
    for other in bin games share/skyrift share/games/skyrift; do
        [ "$other" != "$bindir" ] && [ "$other" != "$datadir" ] && [ -e "$prefix/$other" ] && fail "$other installed too"
    done
    grep -q '^License: Expat$' "$prefix/share/doc/skyrift/copyright" || fail "copyright names no Expat (MIT) licence"

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
        grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "metainfo project_license"
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

# start_headless PREFIX BINDIR DATADIR: starts PREFIX/BINDIR/skyrift on SDL's dummy drivers
# from an empty working directory. It must move into PREFIX/DATADIR, load the title's pictures
# without a warning and still be running on the title screen (nothing answers it there) a few
# seconds later; then it is killed.
start_headless() {
    local prefix=$1 bindir=$2 datadir=$3 want pid seen="" i
    want=$(readlink -f "$prefix/$datadir")
    mkdir -p "$work/elsewhere"
    (cd "$work/elsewhere" && exec env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "$prefix/$bindir/skyrift" >"$work/game.out" 2>"$work/game.err") &
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
