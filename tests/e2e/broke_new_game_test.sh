# Playing $5 hands until the money is gone ends in "You are broke!"; New then asks no
# question, signs in a new player, and at exit the Hall of Fame holds that player's stake.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
read -r seed rounds < <("$QUINTARO_PREDICT_ROUND" broke 1 3000)
export QUINTARO_SEED=$seed

start_signed_in Ann
click 570 100 # the $5 column
for _ in $(seq "$rounds"); do
    xdotool key --clearmodifiers Return Return # deal, then hold everything and redeal
    sleep 0.1
done
answer '^Quintaro$' Return
wait_closed '^Quintaro$'

keys F2 # New: no question while broke
sleep 1
hidden '^Quintaro$' || fail "New asked a question"
sign_in Bea
table Bea
quit_cleanly
expect_ini Name__0_0=Bea Score_0_0=100
grep -q '^Name__0_1=' "$ini" && fail "the broke game entered the Hall of Fame: $(cat "$ini")"
echo "broke and new game: passed (seed $seed, $rounds rounds)"
