# With every write under the config folder failing (ENOSPC, from a preloaded library), a
# session exits with 0, the settings file stays byte for byte, nothing is left beside it,
# and the player is told once. With room again, the next session stores as always.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=68
[ -f "${QUINTARO_FULL_DISK:-}" ] || fail "no full-disk library at '${QUINTARO_FULL_DISK:-}'"
balance=$("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 1) # a $1 hand, held whole

# Plays one hand at the table $win and closes it.
play_hand() {
    keys Return Return
    sleep 0.5
    keys alt+F4
}

start_signed_in Ann
play_hand
[ "$(wait_exit)" = 0 ] || fail "the first session did not exit cleanly"
expect_ini PlayerName=Ann Name__0_0=Ann "Score_0_0=$balance"
cp "$ini" "$E2E_TMP/before.ini"

# The sanitizer's runtime must come first of all preloaded libraries.
folder=$(realpath "$(dirname "$ini")")
asan=$(ldd "$APP" | awk '/libasan/ { print $3 }')
APP_LAUNCHER="env LD_PRELOAD=${asan:+$asan:}$QUINTARO_FULL_DISK QUINTARO_FULL_FOLDER=$folder"
start_signed_in Bob
play_hand
# Nothing is stored before the exit, whose failure shows once the table has closed.
answer_message
code=$(wait_exit)
[ "$code" = 0 ] || fail "the full-disk session ended with $code: $(cat "$E2E_TMP/app.log")"
APP_LAUNCHER=""
cmp "$ini" "$E2E_TMP/before.ini" || fail "the settings changed on a full disk: $(cat "$ini")"
leftover=$(find "$folder" -name '*.new-*')
[ -z "$leftover" ] || fail "new files left: $leftover"
told=$(grep -c '^quintaro: Your scores could not be saved' "$E2E_TMP/app.log" || true)
[ "$told" = 1 ] || fail "told $told times: $(cat "$E2E_TMP/app.log")"
grep -Fxq "quintaro: Your scores could not be saved: No space left on device ($ini)" \
    "$E2E_TMP/app.log" || fail "no reason and path on stderr: $(cat "$E2E_TMP/app.log")"

# Room again: Cy's equal balance goes below Ann's.
start_signed_in Cy
play_hand
[ "$(wait_exit)" = 0 ] || fail "the session after the full disk did not exit cleanly"
expect_ini PlayerName=Cy Name__0_0=Ann "Score_0_0=$balance" Name__0_1=Cy "Score_0_1=$balance"
grep -q '^Name__0_2=' "$ini" && fail "the full-disk session was stored: $(cat "$ini")"
echo "full disk: passed (balance $balance)"
