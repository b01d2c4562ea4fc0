# Names enter the Hall of Fame as they are: an empty name as empty, a 300-byte one cut to
# 255 bytes; entries below a new one move whole, leaving no name twice.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=68
balance=$("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 3) # a $3 hand, held whole
[ "$balance" -lt 98 ] && [ "$balance" -gt 96 ] || fail "seed $QUINTARO_SEED: \$$balance is not between \$96 and \$98"

mkdir -p "$(dirname "$ini")"
printf '[Quintaro]\nPlayerName=Bea\nName__0_0=Ann\nScore_0_0=98\nName__0_1=Bea\nScore_0_1=96\n' >"$ini"

# Fails unless the Hall of Fame holds exactly the entries given as name=score, best first.
expect_entries() {
    local i=0 entry
    for entry; do
        expect_ini "Name__0_$i=${entry%=*}" "Score_0_$i=${entry##*=}"
        i=$((i + 1))
    done
    grep -Eq "^(Name__|Score_)0_$i=" "$ini" && fail "more than $# entries: $(cat "$ini")"
    [ "$(grep -c '^Name__0_[0-9]*=Bea$' "$ini")" = 1 ] || fail "Bea is not there once: $(cat "$ini")"
}

# Signs in as $1 and sets win and menu as table does, for the title that begins with $2.
sign_in_as() {
    start_app
    answer '^Please Sign In$' ctrl+a BackSpace
    xdotool type --delay 10 "$1"
    answer '^Please Sign In$' Return
    wait_closed '^Please Sign In$'
    win=$(wait_window "^Quintaro$2")
    menu=$(($(xwininfo -id "$win" | awk '/Height:/ {print $2}') - 410))
}

# No name, and a $3 hand.
sign_in_as "" ""
click 450 100 # the $3 column
keys Return Return
sleep 0.5
quit_cleanly "no name"
expect_entries Ann=98 "=$balance" Bea=96

# A name of 300 bytes, each place its own: the digits of its position, and a long $100.
long=$(for i in $(seq 30); do printf '%09d-' "$i"; done)
sign_in_as "$long" " - ${long:0:20}"
quit_cleanly "a long name"
expect_entries "${long:0:255}=100" Ann=98 "=$balance" Bea=96
expect_ini "PlayerName=${long:0:255}"
echo "player names: passed"
