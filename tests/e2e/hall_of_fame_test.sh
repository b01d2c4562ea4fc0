# Clear in the Hall of Fame, answered No, keeps the table; answered Yes, it empties the
# table on screen and on file.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"

# Two entries of an earlier game.
mkdir -p "$(dirname "$ini")"
printf '[Quintaro]\nName__0_0=Ann\nScore_0_0=300\nName__0_1=Bob\nScore_0_1=200\n' >"$ini"

# Show it, and answer the Clear question first No, then Yes.
start_app
sign_in Dee
win=$(wait_window '^Quintaro - Dee$')
xdotool windowfocus --sync "$win" key --clearmodifiers alt+g h
table=$(wait_window '^Straight Poker$')
import -window "$table" "$E2E_TMP/filled.png"
xdotool windowfocus --sync "$table" key --clearmodifiers alt+c
question=$(wait_window '^Quintaro$')
xdotool windowfocus --sync "$question" key --clearmodifiers n
sleep 0.5
import -window "$table" "$E2E_TMP/kept.png"
[ "$(compare -metric AE "$E2E_TMP/filled.png" "$E2E_TMP/kept.png" null: 2>&1 || true)" = 0 ] ||
    fail "No changed the table on screen"
xdotool windowfocus --sync "$table" key --clearmodifiers alt+c
question=$(wait_window '^Quintaro$')
xdotool windowfocus --sync "$question" key --clearmodifiers y
sleep 0.5
import -window "$table" "$E2E_TMP/cleared.png"
[ "$(compare -metric AE "$E2E_TMP/filled.png" "$E2E_TMP/cleared.png" null: 2>&1 || true)" != 0 ] ||
    fail "Yes left the names on screen"
xdotool windowfocus --sync "$table" key --clearmodifiers Return
sleep 0.3
xdotool windowfocus --sync "$win" key --clearmodifiers alt+F4
[ "$(wait_exit)" = 0 ] || fail "the last run did not exit cleanly"

# Cleared, then Dee's closing balance was entered at exit: one entry left.
grep -Fxq 'Name__0_0=Dee' "$ini" || fail "Dee is not the only entry: $(cat "$ini")"
grep -q '^Name__0_1=' "$ini" && fail "old entries survived Clear: $(cat "$ini")"
echo "hall of fame: passed"
