# A damaged settings file loses only its damaged lines: the rest, other programs' groups
# too, is stored again; the damaged file is kept aside byte for byte, and the player is told
# once, before signing in. A second damaged file, and damage within a line, are the core's.
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

echo "damaged settings: passed"
