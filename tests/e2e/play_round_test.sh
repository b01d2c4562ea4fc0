# A new player signs in, bets $3, deals, discards the second card by its picture and the
# fourth by its caption, and redeals; the balance the program ends with is the one the
# core predicts for the same seed and clicks.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=68
predict() { "$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 3 "$@"; }
expected=$(predict 2 4)
# The seed makes every click count, and the balance figure change.
for other in "$(predict 2)" "$(predict 4)" "$(predict)" 100; do
    [ "$other" != "$expected" ] || fail "seed $QUINTARO_SEED: a lost click also ends at $expected"
done

start_signed_in "Ada Lovelace"
click 450 100 # the $3 column
shot_until bet pixel_is bet 425 5 "srgb(255,255,0)" || fail "the \$3 column is not selected"
pixel_is bet 305 5 "srgb(255,255,255)" || fail "the \$1 column is still selected"

click 300 386 # Deal
click 180 270 # discard the second card
click 420 345 # and the fourth, by its caption
click 300 386 # Redeal
sleep 1
shot paid
differ bet paid 110 70 0 120 || fail "the balance figure did not change"

quit_cleanly
# At exit the balance enters the Hall of Fame: it must be the predicted one.
expect_ini "Score_0_0=$expected" 'Name__0_0=Ada Lovelace'
echo "play round: passed (balance $expected)"
