# With Show Strategy on, the strip under the pay table shows the advice for the dealt
# hand; pressing the advised keys and Enter pays what the core predicts.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
export QUINTARO_SEED=31337
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"

start_app
sign_in Sam
win=$(wait_window '^Quintaro - Sam$')
menu=$(( $(xwininfo -id "$win" | awk '/Height:/ {print $2}') - 410 ))
strip() { import -window "$win" -crop 300x20+300+$(( 200 + menu )) "$E2E_TMP/$1.png"; }

xdotool windowfocus --sync "$win" key --clearmodifiers Return # Deal
sleep 0.5
strip off
xdotool key --clearmodifiers alt+g s Return # Game > Show Strategy (S also leads to Statistics)
shown=""
for _ in $(seq 120); do
    strip on
    diff=$(compare -metric AE "$E2E_TMP/off.png" "$E2E_TMP/on.png" null: 2>&1 || true)
    [ "$diff" != 0 ] && shown=yes && break
    sleep 0.5
done
[ -n "$shown" ] || fail "no strategy advice appeared under the pay table"

prediction=$("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 1 advised)
discards=$(echo "$prediction" | head -n1)
expected=$(echo "$prediction" | tail -n1)
if [ "$discards" != none ]; then
    for key in $discards; do xdotool key --clearmodifiers "$key"; sleep 0.2; done
fi
xdotool key --clearmodifiers Return # Redeal
sleep 0.5
xdotool key --clearmodifiers alt+F4
code=$(wait_exit)
[ "$code" = 0 ] || fail "exit code $code: $(cat "$E2E_TMP/app.log")"
grep -Fxq "Score_0_0=$expected" "$ini" || fail "expected balance $expected, INI: $(cat "$ini")"
grep -Fxq "ShowStrategy=1" "$ini" || fail "ShowStrategy not stored: $(cat "$ini")"
echo "strategy: passed (discarded $discards, balance $expected)"
