# The Options dialog changes the game, the card back and the background by keyboard and
# mouse; after OK and a restart the choices are stored and in use.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
felt="$(dirname "$APP")/wqgame/wqgame32/bitmap/1114.png"
[ -f "$felt" ] || fail "the build made no $felt"

start_signed_in "Grace Hopper"
keys alt+g o
dialog=$(wait_window '^Quintaro Options$')
xdotool windowfocus --sync "$dialog"

# Dialog coordinates: the Backs tab at (177, 5) and its list at (122, 58); the Extras tab
# at (257, 5) and the background list at (95, 72); OK at (355, 218).
in_dialog() {
    xdotool mousemove --window "$dialog" "$1" "$2" click 1
    sleep 0.3
}
xdotool key --clearmodifiers alt+j
in_dialog 217 16
in_dialog 160 66
xdotool key --clearmodifiers Down Down
in_dialog 297 16
in_dialog 130 80
xdotool key --clearmodifiers End
sleep 0.3
in_dialog 390 228

# The game has money, so OK asks first.
answer '^Quintaro$' y
wait_closed '^Quintaro Options$'

quit_cleanly
expect_ini GameType=1 CardBack=2 Background=30

# The next run offers the last player's name and plays Jokers Wild on the chosen picture,
# tiled from the client's origin, with the chosen back on the cards.
start_app
sign_in
table "Grace Hopper"
sleep 0.5
shot table
expected=$(convert "$felt" -format "%[pixel:p{5,$((400 % 128))}]" info:)
pixel_is table 5 400 "$expected" ||
    fail "background pixel $(pixel table 5 400), picture 30 has $expected"
# The first card's picture stands at (25, 227); its middle shows back 2 of the strip.
backs="$(dirname "$APP")/wqgame/wqgame32/bitmap/2000.png"
convert "$E2E_TMP/table.png" -crop "30x40+45+$(( 255 + menu ))" +repage "$E2E_TMP/card.png"
same_as_back() {
    convert "$backs" -crop "30x40+$(( 71 * $1 + 20 ))+28" +repage "$E2E_TMP/back.png"
    [ "$(compare -metric AE "$E2E_TMP/card.png" "$E2E_TMP/back.png" null: 2>&1 || true)" = 0 ]
}
same_as_back 2 || fail "the cards do not show back 2"
same_as_back 0 && fail "backs 0 and 2 look alike where the test looks"
quit_cleanly "second run"
expect_ini GameType=1
echo "options: passed"
