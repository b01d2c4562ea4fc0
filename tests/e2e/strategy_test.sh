# With Show Strategy on, the strip under the pay table shows advice for the dealt hand;
# holding what the tests' reference finds best and pressing Enter pays what the core predicts.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=31337

start_signed_in Sam
keys Return # Deal
sleep 0.5
shot off
xdotool key --clearmodifiers alt+g s Return # Game > Show Strategy (S also leads to Statistics)
shot_until on differ off on 300 20 300 200 || fail "no strategy advice appeared under the pay table"

{ read -r discards; read -r expected; } < <("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 1 advised)
[ "$discards" = none ] ||
    for key in $discards; do xdotool key --clearmodifiers "$key"; sleep 0.2; done
xdotool key --clearmodifiers Return # Redeal
sleep 0.5
quit_cleanly
expect_ini "Score_0_0=$expected" ShowStrategy=1
echo "strategy: passed (discarded $discards, balance $expected)"
