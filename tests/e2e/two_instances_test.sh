# Two copies at once share one settings file: both exit cleanly, the file stays valid,
# and the one that exits last decides what it holds.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb

start_signed_in First
first=$win
first_pid=$APP_PID

# A second copy with its own exit record.
(
    code=0
    "$APP" >"$E2E_TMP/second.log" 2>&1 || code=$?
    echo "$code" >"$E2E_TMP/second.exit"
) &
sign_in Second
second=$(wait_window '^Quintaro - Second$')

# Closes copy $1 and fails unless it exits cleanly.
close_copy() {
    xdotool windowfocus --sync "$2" key --clearmodifiers alt+F4
    poll 100 test -s "$3" || fail "the $1 copy did not exit"
    [ "$(cat "$3")" = 0 ] || fail "the $1 copy did not exit cleanly"
}
close_copy first "$first" "$E2E_TMP/app.exit"
expect_ini PlayerName=First
close_copy second "$second" "$E2E_TMP/second.exit"
APP_PID=""
kill -0 "$first_pid" 2>/dev/null && fail "the first copy is still running"

# The last to exit decides; the file still loads: a third start offers the name it holds.
expect_ini PlayerName=Second Name__0_0=Second
start_app
sign_in
table Second
quit_cleanly "the third start"
echo "two instances: passed"
