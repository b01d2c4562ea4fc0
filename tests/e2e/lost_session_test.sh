# A session ended by kill -9 or by its X server going is stored by the next start as its
# exit would have: its balance in the Hall of Fame, its judged hands; its journal goes.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
folder=$(dirname "$ini")

# The journal of the running copy.
journal() { echo "$folder/Quintaro-$APP_PID.journal"; }

# Starts again: before any sign-in the file holds the lines given, and no journal is left
# but the new copy's own.
restart() {
    start_app
    wait_window '^Please Sign In$' >/dev/null
    expect_ini "$@"
    journals=$(find "$folder" -name '*.journal' ! -path "$(journal)")
    [ -z "$journals" ] || fail "journals left after the restart: $journals"
}

# Killed with the trainer on after the three judged hands of trainer_test.sh.
export QUINTARO_SEED=1009
mkdir -p "$folder"
printf '[Quintaro]\nTrainer=1\n' >"$ini"
mapfile -t prediction < <("$QUINTARO_PREDICT_ROUND" trainer "$QUINTARO_SEED" 1)
read -r paid best_paid <<<"${prediction[3]}"
balance=$((100 - 3 + paid))
statistics=('Statistics\Hands_0=3' 'Statistics\Bet_0=3' "Statistics\\Paid_0=$paid"
    "Statistics\\BestPaid_0=$best_paid" 'Statistics\Mistakes_0=2')

start_signed_in Tess
play_trainer_rounds
sleep 1 # the journal is rewritten from the event loop
[ -f "$(journal)" ] || fail "no journal at $(journal): $(ls "$folder")"
kill -9 "$APP_PID"
[ "$(wait_exit)" = 137 ] || fail "the program was not killed"
restart Name__0_0=Tess "Score_0_0=$balance" "${statistics[@]}"
sign_in Una
table Una
quit_cleanly "after the kill"
expect_ini Name__0_0=Tess "Score_0_0=$balance" Name__0_1=Una Score_0_1=100 "${statistics[@]}"

# The X server goes under a session, from no settings.
rm -rf "$folder"
export QUINTARO_SEED=68
start_signed_in Xena
keys Return Return
sleep 1
lost=$(journal)
stop_xvfb
code=$(wait_exit)
[ -f "$lost" ] || fail "the session left no journal when its display went (exit code $code)"
start_xvfb
restart Name__0_0=Xena "Score_0_0=$("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 1)"
echo "lost session: passed (balance $balance after the kill)"
