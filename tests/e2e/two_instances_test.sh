# Two copies at once share one settings file: whichever exits first, both players' balances
# stay in the Hall of Fame, and the last to exit is offered next.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=68
predict() { "$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 1 "$@"; }
high=$(predict 1 2 3 4 5) # First draws five new cards
low=$(predict)            # Second holds the hand dealt
[ "$high" -gt "$low" ] || fail "seed $QUINTARO_SEED: \$$high is not above \$$low"

# The first copy is the one start_app tracks; the second has its own exit record.
start_both() {
    rm -f "$ini" "$E2E_TMP/second.exit"
    start_signed_in First
    first=$win
    keys Return 1 2 3 4 5 Return
    (
        code=0
        "$APP" >"$E2E_TMP/second.log" 2>&1 || code=$?
        echo "$code" >"$E2E_TMP/second.exit"
    ) &
    sign_in Second
    table Second
    second=$win
    keys Return Return
    sleep 0.5
}

# Closes copy $1 and fails unless it exits cleanly.
close_copy() {
    local exit=$E2E_TMP/second.exit window=$second
    [ "$1" = first ] && exit=$E2E_TMP/app.exit window=$first
    xdotool windowfocus --sync "$window" key --clearmodifiers alt+F4
    poll 300 test -s "$exit" || fail "the $1 copy did not exit"
    [ "$(cat "$exit")" = 0 ] || fail "the $1 copy did not exit cleanly"
}

for order in "first second" "second first"; do
    start_both
    for copy in $order; do close_copy "$copy"; done
    APP_PID=""
    last=${order#* }
    expect_ini Name__0_0=First "Score_0_0=$high" Name__0_1=Second "Score_0_1=$low" \
        "PlayerName=${last^}"
    grep -q '^Name__0_2=' "$ini" && fail "$order: a third entry: $(cat "$ini")"
done

echo "two instances: passed"
