# SIGTERM, SIGHUP and SIGINT end the game as an Alt+F4 after the same keys does, even with
# a dialog open: exit code 0, the same Hall of Fame entry, the session's journal removed.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=68
folder=$(dirname "$ini")

# From no settings, Sig plays a $1 hand held whole.
hand() {
    rm -f "$ini"
    start_signed_in Sig
    keys Return Return
    sleep 0.5
}
entry() { grep -E '^(Name__|Score_)0_0=' "$ini" || true; }

hand
quit_cleanly "the reference"
reference=$(entry)
[ "$reference" = $'Name__0_0=Sig\nScore_0_0='"$("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 1)" ] ||
    fail "the reference stored: $(cat "$ini")"

# Sends signal $1 and checks the end; $2 names the run.
end_by() {
    kill -s "$1" "$APP_PID"
    code=$(wait_exit)
    [ "$code" = 0 ] || fail "$2: exit code $code: $(tail -n 50 "$E2E_TMP/app.log")"
    [ "$(entry)" = "$reference" ] || fail "$2: stored $(entry), not $reference"
    journals=$(find "$folder" -name '*.journal')
    [ -z "$journals" ] || fail "$2: journals left: $journals"
}

hand
keys alt+g h
wait_window '^Straight Poker$' >/dev/null
end_by TERM "SIGTERM with the Hall of Fame open"

hand
keys alt+g o
wait_window '^Quintaro Options$' >/dev/null
end_by HUP "SIGHUP with the Options open"

hand
keys F2 # New asks first, with money on the table
poll 100 message_box >/dev/null || fail "New asked nothing"
end_by INT "SIGINT with a question open"

echo "signals: passed"
