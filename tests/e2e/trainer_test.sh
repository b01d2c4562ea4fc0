# With the trainer on, two holds worth less than the best are each refused once and drawn
# on the second Redeal; the best hold draws at once. Over figures stored from before, the
# Statistics page copied to the clipboard and the figures stored at exit count these three
# hands and the two mistakes, and what the holds and best play paid as the tests' reference
# works it out (quintaro-predict-round trainer); the core's session test checks every
# figure. With QUINTARO_E2E_SHOTS set to a folder, the refused redeal and the Statistics
# window are saved there (docs/trainer.png, docs/statistics.png come from this).
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
# With QUINTARO_E2E_SHOTS set, the first refusal is saved there.
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
expect_ini Trainer=1 'Statistics\Hands_0=7' 'Statistics\Bet_0=23' "Statistics\\Paid_0=$((paid + 7))" \
    "Statistics\\BestPaid_0=$best_paid" 'Statistics\Mistakes_0=2'
echo "trainer: passed (paid \$$paid, best play \$$best_paid)"
