# Ten rounds at $2 played from the keyboard end with the balance the core predicts.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=1999
expected=$("$QUINTARO_PREDICT_ROUND" hold "$QUINTARO_SEED" 2 10)

start_signed_in Tess
click 390 100 # the $2 column
for _ in $(seq 10); do
    xdotool key --clearmodifiers Return Return
    sleep 0.1
done
sleep 0.5
quit_cleanly
expect_ini "Score_0_0=$expected"
echo "ten rounds: passed (balance $expected)"
