# With the trainer on, two holds worth less than the best are each refused once and drawn
# on the second Redeal; the best hold draws at once. Over figures stored from before, the
# Statistics page copied to the clipboard and the statistics stored at exit are those the
# core predicts for the same seed and holds. With QUINTARO_E2E_SHOTS set to a
# folder, the refused redeal and the Statistics window are saved there (docs/trainer.png,
# docs/statistics.png come from this).
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=1009
stored=(Hands_0=4 Bet_0=20 Paid_0=7)
mkdir -p "$(dirname "$ini")"
{ echo '[Quintaro]'; printf 'Statistics\\%s\n' "${stored[@]}"; } >"$ini"
mapfile -t prediction < <("$QUINTARO_PREDICT_ROUND" trainer "$QUINTARO_SEED" 1 "${stored[@]}")

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
"$QUINTARO_PREDICT_ROUND" statistics "$QUINTARO_SEED" 1 "${stored[@]}" | tail -n +4 >"$E2E_TMP/page"
xclip -o -selection clipboard | diff "$E2E_TMP/page" - || fail "the page copied is not the one predicted"
answer '^Statistics$' ctrl+Tab ctrl+c # the next game's page, by the standard copy
sleep 0.3
xclip -o -selection clipboard | grep -Fxq $'Hands played\t0\t0' || fail "Ctrl+C did not copy the next page"
answer '^Statistics$' Escape
wait_closed '^Statistics$'
quit_cleanly
expect_ini Trainer=1 "${prediction[@]:3}"
echo "trainer: passed (${#prediction[@]} predicted lines)"
