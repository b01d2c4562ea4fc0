# Without its resource library, or with one damaged in its tree or in a file (the help
# menu, read once the table is built), the program names the file and where it looked, on
# stderr and in a dialog, and exits with code 3 once the dialog is dismissed.
APP=$1
source "$QUINTARO_E2E_LIB"

# A bundle installed system-wide would be found; then there is nothing to test here.
installed=$(strings "$APP" | grep -m1 '/share/quintaro$' || true)
if [ -n "$installed" ] && [ -e "$installed/wqgame32.rcc" ]; then
    echo "missing bundle: skipped, a bundle is installed in $installed"
    exit 77
fi

bundle="$(dirname "$APP")/wqgame32.rcc"
library="$E2E_TMP/alone/wqgame32.rcc"
mkdir "$E2E_TMP/alone"
cp "$APP" "$E2E_TMP/alone/quintaro"
APP="$E2E_TMP/alone/quintaro"
start_xvfb

# Flips one bit of the byte at offset $1 of the library.
flip() {
    local byte
    byte=$(od -An -tu1 -j "$1" -N1 "$library")
    printf "\\$(printf %03o $((byte ^ 16)))" | dd of="$library" bs=1 seek="$1" conv=notrunc status=none
}

# Expects a message that names the bundle, where it looked, and $2.
expect_message() {
    local case=$1 win code text
    start_app
    win=$(poll 300 while_running message_box) || fail "$case: no message"
    for text in 'wqgame32\.rcc' "$E2E_TMP/alone" "$2"; do
        grep -q "$text" "$E2E_TMP/app.log" || fail "$case: stderr lacks '$text': $(cat "$E2E_TMP/app.log")"
    done
    xdotool windowfocus --sync "$win" key --clearmodifiers Return
    code=$(wait_exit)
    [ "$code" = 3 ] || fail "$case: exit code $code, expected 3: $(cat "$E2E_TMP/app.log")"
    grep -q 'AddressSanitizer' "$E2E_TMP/app.log" && fail "$case: $(cat "$E2E_TMP/app.log")"
    echo "$case: passed"
}

expect_message "missing bundle" "Looked in"

cp "$bundle" "$library"
tree=$(od -An -tu4 --endian=big -j8 -N4 "$library")
flip $((tree + 30))
expect_message "damaged tree" "is damaged"

cp "$bundle" "$library"
flip $(($(grep -obUa -m1 '&About' "$library" | cut -d: -f1) + 2))
expect_message "damaged help menu" "menu/1000.txt does not match"
