# Two copies at once share one settings file: both exit cleanly, the file stays valid,
# and the one that exits last decides what it holds.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"

start_app
first_exit="$E2E_TMP/app.exit"
sign_in First
first=$(wait_window '^Quintaro - First$')
first_pid=$APP_PID
mv "$E2E_TMP/app.pid" "$E2E_TMP/first.pid"

# A second copy with its own exit record.
(
    "$APP" >"$E2E_TMP/second.log" 2>&1 &
    echo $! >"$E2E_TMP/second.pid"
    code=0
    wait $! || code=$?
    echo "$code" >"$E2E_TMP/second.exit"
) &
sign_in Second
second=$(wait_window '^Quintaro - Second$')

xdotool windowfocus --sync "$first" key --clearmodifiers alt+F4
for _ in $(seq 100); do [ -s "$first_exit" ] && break; sleep 0.1; done
[ "$(cat "$first_exit")" = 0 ] || fail "the first copy did not exit cleanly"
grep -Fxq 'PlayerName=First' "$ini" || fail "the first exit wrote no name: $(cat "$ini")"

xdotool windowfocus --sync "$second" key --clearmodifiers alt+F4
for _ in $(seq 100); do [ -s "$E2E_TMP/second.exit" ] && break; sleep 0.1; done
[ "$(cat "$E2E_TMP/second.exit")" = 0 ] || fail "the second copy did not exit cleanly"
APP_PID=""
kill -0 "$first_pid" 2>/dev/null && fail "the first copy is still running"

grep -Fxq 'PlayerName=Second' "$ini" || fail "the last to exit did not win: $(cat "$ini")"
grep -Fxq 'Name__0_0=Second' "$ini" || fail "the second copy's score is missing: $(cat "$ini")"
# The file still loads: a third start reads the name back into the sign-in field.
start_app
dialog=$(wait_window '^Please Sign In$')
xdotool windowfocus --sync "$dialog" key --clearmodifiers Return
win=$(wait_window '^Quintaro - Second$')
xdotool windowfocus --sync "$win" key --clearmodifiers alt+F4
[ "$(wait_exit)" = 0 ] || fail "the third start did not exit cleanly"
echo "two instances: passed"
