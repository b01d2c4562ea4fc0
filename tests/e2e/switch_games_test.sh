# A $2 round in Jokers Wild, Deuces Wild and Straight Poker, switched in Options: each
# switch files the balance in the game's Hall of Fame, as the core predicts.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=30
mapfile -t balances < <("$QUINTARO_PREDICT_ROUND" games "$QUINTARO_SEED" 2 1 2 0)
[ "${#balances[@]}" = 3 ] || fail "no prediction: ${balances[*]}"

start_signed_in Sam
click 390 100 # the $2 column

# Chooses a game by its radio button's mnemonic, confirms the restart and plays a round
# holding every card.
play_in() {
    local dialog
    keys alt+g o
    dialog=$(wait_window '^Quintaro Options$')
    xdotool windowfocus --sync "$dialog" key --clearmodifiers "alt+$1"
    sleep 0.3
    xdotool mousemove --window "$dialog" 390 228 click 1
    answer '^Quintaro$' y
    wait_closed '^Quintaro Options$'
    keys Return Return
    sleep 0.5
}
play_in j
play_in d
play_in s

quit_cleanly
# Straight Poker's table holds the Deuces Wild round, filed on the switch back, and its
# own round, filed at exit, in descending order.
mapfile -t straight < <(printf '%s\n' "${balances[1]}" "${balances[2]}" | sort -rn)
expect_ini GameType=0 Score_1_0=100 "Score_2_0=${balances[0]}" "Score_0_0=${straight[0]}" \
    "Score_0_1=${straight[1]}"
echo "switch games: passed (balances ${balances[*]})"
