# Without its resource library the program names the missing file and where it looked, on
# stderr and in a dialog, and exits with code 3 once the dialog is dismissed.
APP=$1
source "$QUINTARO_E2E_LIB"

# A bundle installed system-wide would be found; then there is nothing to test here.
installed=$(strings "$APP" | grep -m1 '/share/quintaro$' || true)
if [ -n "$installed" ] && [ -e "$installed/wqgame32.rcc" ]; then
    echo "missing bundle: skipped, a bundle is installed in $installed"
    exit 77
fi

mkdir "$E2E_TMP/alone"
cp "$APP" "$E2E_TMP/alone/quintaro"
APP="$E2E_TMP/alone/quintaro"
start_xvfb
start_app
win=$(wait_window '^Quintaro$')

grep -q 'wqgame32\.rcc' "$E2E_TMP/app.log" || fail "stderr does not name the bundle: $(cat "$E2E_TMP/app.log")"
grep -q "$E2E_TMP/alone" "$E2E_TMP/app.log" || fail "stderr does not say where it looked: $(cat "$E2E_TMP/app.log")"
xwininfo -id "$win" | grep -q 'Map State: IsViewable' || fail "the message is not shown"

xdotool windowfocus --sync "$win" key --clearmodifiers Return
# Not in a command substitution: only this shell can wait for the program it started.
wait_exit >"$E2E_TMP/code"
code=$(cat "$E2E_TMP/code")
[ "$code" = 3 ] || fail "exit code $code, expected 3: $(cat "$E2E_TMP/app.log")"
echo "missing bundle: passed"
