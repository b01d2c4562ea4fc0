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
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"
stored=(Hands_0=4 Bet_0=20 Paid_0=7)
mkdir -p "$(dirname "$ini")"
{ echo '[Quintaro]'; printf 'Statistics\\%s\n' "${stored[@]}"; } >"$ini"
mapfile -t prediction < <("$QUINTARO_PREDICT_ROUND" trainer "$QUINTARO_SEED" 1 "${stored[@]}")

start_app
sign_in Tess
win=$(wait_window '^Quintaro - Tess$')
menu=$(( $(xwininfo -id "$win" | awk '/Height:/ {print $2}') - 410 ))
crop() { import -window "$win" -crop "$2+$(( $3 + menu ))" "$E2E_TMP/$1.png"; }
strip() { crop "$1" 300x20+300 200; }
status() { crop "$1" 300x48+150 246; }
differ() { [ "$(compare -metric AE "$E2E_TMP/$1.png" "$E2E_TMP/$2.png" null: 2>&1 || true)" != 0 ]; }
# Waits up to 10 s (or $4 tries of 0.2 s) for the picture taken by $1 as $2 to differ from $3.
until_differs() {
    for _ in $(seq "${4:-50}"); do
        "$1" "$2"
        differ "$2" "$3" && return 0
        sleep 0.2
    done
    fail "$2 looks like $3"
}
press() { xdotool key --clearmodifiers "$@"; sleep 0.3; }

xdotool windowfocus --sync "$win"
press alt+g t # Game > Trainer
press Return  # Deal
strip dealt
# Show Strategy too: its advice appears once the tables are built, and a redeal is only
# judged from then on.
press alt+g s Return
until_differs strip advised dealt 300

for round in 0 1 2; do
    [ "$round" = 0 ] || press Return # Deal
    [ "${prediction[$round]}" = none ] || for key in ${prediction[$round]}; do press "$key"; done
    status held
    strip before
    press Return # Redeal
    if [ "$round" -lt 2 ]; then
        until_differs strip refused before
        status still
        differ still held && fail "round $round: a worse hold was redealt at once"
        [ "$round" = 0 ] && [ -n "${QUINTARO_E2E_SHOTS:-}" ] &&
            import -window "$win" "$QUINTARO_E2E_SHOTS/trainer.png"
        press Return # the same hold again
    fi
    until_differs status drawn held
done

press alt+g s s Return # Game > Statistics...
stats=$(wait_window '^Statistics$')
[ -n "${QUINTARO_E2E_SHOTS:-}" ] && import -window "$stats" "$QUINTARO_E2E_SHOTS/statistics.png"
xdotool windowfocus --sync "$stats"
press alt+p # Copy
"$QUINTARO_PREDICT_ROUND" statistics "$QUINTARO_SEED" 1 "${stored[@]}" | tail -n +4 >"$E2E_TMP/page"
xclip -o -selection clipboard | diff "$E2E_TMP/page" - || fail "the page copied is not the one predicted"
press ctrl+Tab ctrl+c # the next game's page, by the standard copy
xclip -o -selection clipboard | grep -Fxq $'Hands played\t0\t0' || fail "Ctrl+C did not copy the next page"
press Escape
quit_cleanly
grep -Fxq "Trainer=1" "$ini" || fail "Trainer not stored: $(cat "$ini")"
for line in "${prediction[@]:3}"; do
    grep -Fxq "$line" "$ini" || fail "not stored: $line; INI: $(cat "$ini")"
done
echo "trainer: passed (${#prediction[@]} predicted lines)"
