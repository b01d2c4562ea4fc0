# Playing $5 hands until the money is gone ends in "You are broke!"; New then asks no
# question, signs in a new player, and at exit the Hall of Fame holds that player's stake.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
read -r seed rounds < <("$QUINTARO_PREDICT_ROUND" broke 1 3000)
export QUINTARO_SEED=$seed
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"

start_app
sign_in Ann
win=$(wait_window '^Quintaro - Ann$')
menu=$(( $(xwininfo -id "$win" | awk '/Height:/ {print $2}') - 410 ))
xdotool mousemove --window "$win" 570 $(( 100 + menu )) click 1 # the $5 column
for _ in $(seq "$rounds"); do
    xdotool key --clearmodifiers Return Return # deal, then hold everything and redeal
    sleep 0.1
done
message=$(wait_window '^Quintaro$')
xdotool windowfocus --sync "$message" key --clearmodifiers Return
wait_closed '^Quintaro$'

xdotool windowfocus --sync "$win" key --clearmodifiers F2 # New: no question while broke
sleep 1
xdotool search --onlyvisible --name '^Quintaro$' >/dev/null 2>&1 && fail "New asked a question"
sign_in Bea
wait_window '^Quintaro - Bea$' >/dev/null
quit_cleanly
grep -Fxq 'Name__0_0=Bea' "$ini" || fail "Bea is not first: $(cat "$ini")"
grep -Fxq 'Score_0_0=100' "$ini" || fail "Bea's stake is not stored: $(cat "$ini")"
grep -q '^Name__0_1=' "$ini" && fail "the broke game entered the Hall of Fame: $(cat "$ini")"
echo "broke and new game: passed (seed $seed, $rounds rounds)"
