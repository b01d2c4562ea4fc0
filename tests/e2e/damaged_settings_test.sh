# A damaged settings file loses only its damaged lines: the rest, other programs' groups
# too, is stored again in a clean file; each damaged file is kept aside byte for byte, a
# second beside the first, and the player is told once, before signing in.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=68
balance=$("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 1) # a $1 hand, held whole

# Plays as $1 one hand held whole and exits; a damaged file is reported first.
session() {
    start_app
    [ "${2:-}" = damaged ] && answer_message
    sign_in "$1"
    table "$1"
    keys Return Return
    sleep 0.5
    quit_cleanly "$1's session"
    told=$(grep -c '^quintaro: Your settings file was damaged' "$E2E_TMP/app.log" || true)
    [ "$told" = "${3:-0}" ] || fail "$1's session told $told times: $(cat "$E2E_TMP/app.log")"
}

# Every line is a group, a value or blank.
clean() {
    local bad
    bad=$(grep -avEn '^(\[[^]]+\]|[^=[]+=.*|)$' "$ini" || true)
    [ -z "$bad" ] || fail "$1: damaged lines were written: $bad"
}

# A real file, with the groups of two other programs around the game's.
mkdir -p "$(dirname "$ini")"
printf '[Othergame]\nWins=3\nName=Zed\n[Solitaire]\nScore=7\n' >"$ini"
session Ann
cp "$ini" "$E2E_TMP/first.ini"

# A stray section line before the game's group.
sed -i 's/^\[Quintaro\]$/[Broken\n&/' "$ini"
grep -qx '\[Broken' "$ini" || fail "no damage made: $(cat "$ini")"
cp "$ini" "$E2E_TMP/broken.ini"
session Bob damaged 1
grep -Fxq "quintaro: Your settings file was damaged: everything that could be read is kept ($ini.damaged)" \
    "$E2E_TMP/app.log" || fail "no message naming the kept file: $(cat "$E2E_TMP/app.log")"
cmp "$ini.damaged" "$E2E_TMP/broken.ini" || fail "the kept file is not the damaged one"
# Everything else as it was, Bob's equal balance below Ann's.
sed -e 's/^PlayerName=Ann$/PlayerName=Bob/' -e 's/^Name__0_0=Ann$/&\nName__0_1=Bob/' \
    -e "s/^Score_0_0=$balance\$/&\nScore_0_1=$balance/" "$E2E_TMP/first.ini" >"$E2E_TMP/expected.ini"
diff "$E2E_TMP/expected.ini" "$ini" || fail "the file written after the stray section"

# 64 random bytes, no line ends, over the middle of a sound line: one damaged line.
cp "$ini" "$E2E_TMP/second.ini"
at=$(($(grep -bo '^Sound2=' "$ini" | cut -d: -f1) + 5))
head -c 64 /dev/urandom | tr '\n\r' '\200\201' |
    dd of="$ini" bs=1 seek="$at" conv=notrunc status=none
cp "$ini" "$E2E_TMP/noisy.ini"
session Cy damaged 1
grep -Fq "($ini.damaged.2)" "$E2E_TMP/app.log" ||
    fail "the second damaged file was not named: $(cat "$E2E_TMP/app.log")"
cmp "$ini.damaged.2" "$E2E_TMP/noisy.ini" || fail "the second kept file is not the damaged one"
cmp "$ini.damaged" "$E2E_TMP/broken.ini" || fail "the first kept file changed"
[ -e "$ini.damaged.3" ] && fail "a damaged file was kept twice"
clean "after the random bytes"
# Each line wholly before or after the damaged bytes is stored again; Cy's entry joins.
awk -v from="$at" -v to=$((at + 64)) '{ end = start + length($0) + 1 }
    (end <= from || start >= to) && !/^PlayerName=/ { print } { start = end }' \
    "$E2E_TMP/second.ini" >"$E2E_TMP/kept-lines"
[ "$(grep -c . "$E2E_TMP/kept-lines")" -ge 14 ] || fail "the damage took too much: $(cat "$E2E_TMP/kept-lines")"
mapfile -t kept <"$E2E_TMP/kept-lines"
expect_ini "${kept[@]}" PlayerName=Cy Name__0_2=Cy "Score_0_2=$balance"
echo "damaged settings: passed"
