# Installed into a prefix, the program finds its resource library relative to itself; the
# launcher, software-centre entry, icons and manual are in place and pass their validators.
APP=$1
source "$QUINTARO_E2E_LIB"
build=$(dirname "$APP")
prefix="$E2E_TMP/prefix"
cmake --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
    fail "install failed: $(cat "$E2E_TMP/install.log")"

data=share/quintaro
for file in bin/quintaro $data/wqgame32.rcc \
    $data/sounds/{slotcoin,cardshuf,click_5,click_4,slotjack,instr_2,default_beep,error_beep}.wav \
    share/applications/quintaro.desktop share/metainfo/io.github.quintaro.metainfo.xml \
    share/man/man6/quintaro.6 share/icons/hicolor/scalable/apps/quintaro.svg; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/quintaro" ] || fail "the installed program is not executable"
# The sound module, which the program loads on first need, is in the library folder.
[ -n "$(find "$prefix" -path '*/lib*/quintaro/quintaro-sound.so')" ] ||
    fail "the sound module is not installed"

# Each PNG is the icon drawn at its size: halfway down, the felt is midway between its
# gradient's stops #1f8a4c and #0d5a2e; the rounded corner is clear.
near() { [ "$1" -ge $(($2 - 3)) ] && [ "$1" -le $(($2 + 3)) ]; }
for size in 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/quintaro.png"
    [ -s "$png" ] || fail "no ${size}x${size} icon"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is not ${size}x${size}"
    x=$((size * 12 / 128)) y=$((size / 2))
    read -r r g b a < <(convert "$png" -format \
        "%[fx:int(255*p{$x,$y}.r)] %[fx:int(255*p{$x,$y}.g)] %[fx:int(255*p{$x,$y}.b)] %[fx:int(255*p{$x,$y}.a)]\n" info:)
    [ "$a" = 255 ] && near "$r" 22 && near "$g" 114 && near "$b" 61 ||
        fail "the ${size}px icon is not felt green at ($x,$y): $r $g $b $a"
    corner=$(convert "$png" -format '%[fx:int(255*p{0,0}.a)]' info:)
    [ "$corner" = 0 ] || fail "the ${size}px icon's corner is not transparent"
done

desktop-file-validate "$prefix/share/applications/quintaro.desktop" ||
    fail "the .desktop file does not validate"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/io.github.quintaro.metainfo.xml" \
        >"$E2E_TMP/appstream.log" 2>&1 || fail "metainfo: $(cat "$E2E_TMP/appstream.log")"
fi
if command -v man >/dev/null; then
    page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/quintaro.6" \
        2>"$E2E_TMP/man.log")
    [ ! -s "$E2E_TMP/man.log" ] || fail "the manual has warnings: $(cat "$E2E_TMP/man.log")"
    for text in 'QUINTARO(6)' '/b:command' '/h:window' QUINTARO_SEED Varden/Parlorset.ini; do
        grep -qF "$text" <<<"$page" || fail "the manual does not mention $text"
    done
fi

# The installed program holds open the bundle installed beside it.
start_xvfb
APP="$prefix/bin/quintaro"
start_signed_in Tester
[ -n "$(find /proc/"$APP_PID"/fd -lname "$prefix/$data/wqgame32.rcc" 2>/dev/null)" ] ||
    fail "the installed bundle is not the one in use"
# The window carries the icon at the three sizes built into the program.
icons=$(xprop -id "$win" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[ "$icons" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ] ||
    fail "the window's icons are: $icons"
quit_cleanly
echo "install: passed"
