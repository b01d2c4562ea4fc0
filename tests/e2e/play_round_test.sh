# A new player signs in, bets $3, deals, discards two cards and redeals; the balance the
# program ends with is the one the core predicts for the same seed and clicks.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=2718
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"

start_app
sign_in "Ada Lovelace"
win=$(wait_window '^Quintaro - Ada Lovelace$')

# Client coordinates: the menu bar sits above the 600 x 410 client area.
menu=$(( $(xwininfo -id "$win" | awk '/Height:/ {print $2}') - 410 ))
click() {
    xdotool mousemove --window "$win" "$1" $(( $2 + menu )) click 1
    sleep 0.4
}
shot() { import -window "$win" "$E2E_TMP/$1.png"; }
pixel() { convert "$E2E_TMP/$1.png" -format "%[pixel:p{$2,$(( $3 + menu ))}]" info:; }
# Takes screenshot $1 until pixel ($2, $3) is $4, for up to 10 s on a loaded machine.
shot_until() {
    for _ in $(seq 50); do
        shot "$1"
        [ "$(pixel "$1" "$2" "$3")" = "$4" ] && return 0
        sleep 0.2
    done
    fail "pixel ($2, $3) of $1 is $(pixel "$1" "$2" "$3"), not $4"
}

click 450 100 # the $3 column
shot_until bet 425 5 "srgb(255,255,0)"
[ "$(pixel bet 305 5)" = "srgb(255,255,255)" ] || fail "the \$1 column is still selected"

click 300 386 # Deal
click 180 270 # discard the second card
click 420 345 # and the fourth, by its caption
shot held
click 300 386 # Redeal
sleep 1
shot paid

# The balance figure changed from the stake, and the table shows the outcome.
convert "$E2E_TMP/bet.png" -crop 110x70+0+$(( 120 + menu )) "$E2E_TMP/before.png"
convert "$E2E_TMP/paid.png" -crop 110x70+0+$(( 120 + menu )) "$E2E_TMP/after.png"
expected=$("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 3 2 4)
if [ "$expected" != 100 ]; then
    diff=$(compare -metric AE "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1 || true)
    [ "$diff" != 0 ] || fail "the balance figure did not change"
fi

quit_cleanly
# At exit the balance enters the Hall of Fame: it must be the predicted one.
grep -Fxq "Score_0_0=$expected" "$ini" || fail "expected balance $expected, INI: $(cat "$ini")"
grep -Fxq 'Name__0_0=Ada Lovelace' "$ini" || fail "player not in the Hall of Fame: $(cat "$ini")"
echo "play round: passed (balance $expected)"
