# Without a display the program says what to do and exits non-zero instead of aborting.
APP=$1
source "$QUINTARO_E2E_LIB"
unset DISPLAY
code=0
"$APP" >"$E2E_TMP/out" 2>&1 || code=$?
[ "$code" -ne 0 ] || fail "exited 0 without a display"
[ "$code" -lt 128 ] || fail "crashed with code $code"
[ "$(wc -l <"$E2E_TMP/out")" -eq 1 ] || fail "expected one line, got: $(cat "$E2E_TMP/out")"
grep -q 'DISPLAY' "$E2E_TMP/out" || fail "message does not mention DISPLAY"
grep -q 'xvfb-run' "$E2E_TMP/out" || fail "message does not mention xvfb-run"
# On a German desktop it says so in German, though no window can open.
LANGUAGE=de "$APP" >"$E2E_TMP/out" 2>&1 || true
grep -q '^quintaro: keine grafische Anzeige gefunden' "$E2E_TMP/out" ||
    fail "not in German: $(cat "$E2E_TMP/out")"
echo "no display: passed"
