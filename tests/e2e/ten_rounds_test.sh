# Ten rounds at $2 played from the keyboard end with the balance the core predicts.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=1999
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"
expected=$("$QUINTARO_PREDICT_ROUND" hold "$QUINTARO_SEED" 2 10)

start_app
sign_in Tess
win=$(wait_window '^Quintaro - Tess$')
menu=$(( $(xwininfo -id "$win" | awk '/Height:/ {print $2}') - 410 ))
xdotool mousemove --window "$win" 390 $(( 100 + menu )) click 1 # the $2 column
for _ in $(seq 10); do
    xdotool key --clearmodifiers Return Return
    sleep 0.1
done
sleep 0.5
quit_cleanly
grep -Fxq "Score_0_0=$expected" "$ini" || fail "expected balance $expected, INI: $(cat "$ini")"
echo "ten rounds: passed (balance $expected)"
