# CPack makes a .deb whose dependencies apt meets on a bare Debian; installed under /usr,
# the program comes up on its own bundle and exits cleanly; the package is purged again.
# Skipped unless run as root on a system without the package.
APP=$1
source "$QUINTARO_E2E_LIB"
build=$(dirname "$APP")

if [ "$(id -u)" != 0 ] || dpkg-query -W quintaro >/dev/null 2>&1; then
    echo "deb: skipped (needs root, and no quintaro package installed already)"
    exit 77
fi

cpack -G DEB -B "$E2E_TMP/pkg" --config "$build/CPackConfig.cmake" >"$E2E_TMP/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(find "$E2E_TMP/pkg" -maxdepth 1 -name 'quintaro_*.deb')
[ -n "$deb" ] || fail "cpack made no package: $(cat "$E2E_TMP/cpack.log")"

[ "$(dpkg-deb -f "$deb" Package)" = quintaro ] || fail "the package is not named quintaro"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6multimedia6 qt6-qpa-plugins qt6-wayland \
    fonts-liberation2; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done

# What apt would install for the package on a bare system (an empty dpkg status).
if compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
    : >"$E2E_TMP/empty-status"
    apt-get -s -o Dir::State::status="$E2E_TMP/empty-status" install "$deb" \
        >"$E2E_TMP/resolve.log" 2>&1 ||
        fail "apt cannot meet the package's dependencies: $(tail -n 20 "$E2E_TMP/resolve.log")"
    grep -q '^Inst quintaro ' "$E2E_TMP/resolve.log" ||
        fail "apt would not install the package: $(tail -n 20 "$E2E_TMP/resolve.log")"
else
    echo "deb: no apt package lists, dependency resolution not checked"
fi

remove_package() {
    dpkg --purge quintaro >/dev/null 2>&1 || true
    e2e_cleanup
}
trap remove_package EXIT
dpkg -i "$deb" >"$E2E_TMP/dpkg.log" 2>&1 || fail "dpkg -i failed: $(cat "$E2E_TMP/dpkg.log")"
for file in /usr/bin/quintaro /usr/share/quintaro/wqgame32.rcc \
    /usr/share/quintaro/sounds/slotcoin.wav /usr/share/applications/quintaro.desktop \
    /usr/share/metainfo/io.github.quintaro.metainfo.xml /usr/share/man/man6/quintaro.6 \
    /usr/share/icons/hicolor/48x48/apps/quintaro.png; do
    [ -s "$file" ] || fail "the package did not install $file"
done

start_xvfb
APP=/usr/bin/quintaro
start_signed_in Packager
[ -n "$(find /proc/"$APP_PID"/fd -lname /usr/share/quintaro/wqgame32.rcc 2>/dev/null)" ] ||
    fail "the installed program does not use the installed bundle"
quit_cleanly

dpkg --purge quintaro >"$E2E_TMP/purge.log" 2>&1 || fail "dpkg --purge failed: $(cat "$E2E_TMP/purge.log")"
[ ! -e /usr/bin/quintaro ] || fail "the program is still there after the purge"
echo "deb: passed ($(basename "$deb"), $(grep -c '^Inst ' "$E2E_TMP/resolve.log" 2>/dev/null || echo no) packages for a bare system)"
