# Closing balances fill the Hall of Fame in order; Clear answered No keeps it, Yes empties
# the current game's table and leaves the player's name.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"

# Each run signs in and exits at once: its $100 stake enters the table below the others.
for name in Ann Bob Cy; do
    start_app
    sign_in "$name"
    win=$(wait_window "^Quintaro - $name\$")
    xdotool windowfocus --sync "$win" key --clearmodifiers alt+F4
    [ "$(wait_exit)" = 0 ] || fail "run of $name did not exit cleanly"
done
for entry in "0 Ann" "1 Bob" "2 Cy"; do
    set -- $entry
    grep -Fxq "Name__0_$1=$2" "$ini" || fail "entry $1 is not $2: $(cat "$ini")"
    grep -Fxq "Score_0_$1=100" "$ini" || fail "entry $1 has no score: $(cat "$ini")"
done

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
grep -Fxq 'PlayerName=Dee' "$ini" || fail "Clear touched the player name: $(cat "$ini")"
echo "hall of fame: passed"
