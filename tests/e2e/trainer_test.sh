# With the trainer and Show Strategy on (both stored at exit), two worse holds are each
# refused once, the best draws at once. Over figures stored before, the Statistics page
# copied and the figures stored at exit count the hands, mistakes and what the holds and
# best play paid, as the tests' reference has it. QUINTARO_E2E_SHOTS, if set, gets
# trainer.png and statistics.png for docs/.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=1009
stored=(Hands_0=4 Bet_0=20 Paid_0=7)
mkdir -p "$(dirname "$ini")"
{ echo '[Quintaro]'; printf 'Statistics\\%s\n' "${stored[@]}"; } >"$ini"
mapfile -t prediction < <("$QUINTARO_PREDICT_ROUND" trainer "$QUINTARO_SEED" 1)
read -r paid best_paid <<<"${prediction[3]}"

start_signed_in Tess
press alt+g t # Game > Trainer
save_refusal() {
    [ -z "${QUINTARO_E2E_SHOTS:-}" ] || cp "$E2E_TMP/refused.png" "$QUINTARO_E2E_SHOTS/trainer.png"
}
play_trainer_rounds save_refusal

press alt+g s s Return # Game > Statistics...
stats=$(wait_window '^Statistics$')
[ -n "${QUINTARO_E2E_SHOTS:-}" ] && import -window "$stats" "$QUINTARO_E2E_SHOTS/statistics.png"
answer '^Statistics$' alt+p # Copy
sleep 0.3
xclip -o -selection clipboard >"$E2E_TMP/page"
for row in $'Hands played\t3\t7' $'Total bet\t$3\t$23' $'Mistakes\t2\t2' \
    "Total paid"$'\t$'"$paid"$'\t$'"$((paid + 7))" \
    "Best play would have paid"$'\t$'"$best_paid"$'\t$'"$best_paid"; do
    grep -Fxq "$row" "$E2E_TMP/page" || fail "no row '$row' in the page copied: $(cat "$E2E_TMP/page")"
done
answer '^Statistics$' ctrl+Tab ctrl+c # the next game's page, by the standard copy
sleep 0.3
xclip -o -selection clipboard | grep -Fxq $'Hands played\t0\t0' || fail "Ctrl+C did not copy the next page"
answer '^Statistics$' Escape
wait_closed '^Statistics$'
quit_cleanly
expect_ini Trainer=1 ShowStrategy=1 'Statistics\Hands_0=7' 'Statistics\Bet_0=23' "Statistics\\Paid_0=$((paid + 7))" \
    "Statistics\\BestPaid_0=$best_paid" 'Statistics\Mistakes_0=2'
echo "trainer: passed (paid \$$paid, best play \$$best_paid)"
