# A screen reader's view of a hand: the bet set with + and - (keyboard and keypad),
# screen_reader.py reads the table over AT-SPI, deals, discards and redeals through
# accessible actions alone, and hears the result the rules give for the seeded deal.
APP=$1
source "$(dirname "$QUINTARO_E2E_LIB")/session_bus.sh"
source "$QUINTARO_E2E_LIB"

/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    fail "no Atspi for /usr/bin/python3 (gir1.2-atspi-2.0, python3-gi: scripts/install-deps)"
start_accessibility_bus || fail "the AT-SPI bus did not start: $(cat "$E2E_TMP/bus.log")"

start_xvfb
export QUINTARO_SEED=68 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
bet=3
discard=2
{ read -r dealt; read -r final; read -r balance; } < <("$QUINTARO_PREDICT_ROUND" cards "$QUINTARO_SEED" "$bet" "$discard")

start_signed_in "Ada Lovelace"
press plus KP_Add KP_Add minus # $1 up to $4, down to $3
/usr/bin/python3 "$(dirname "$QUINTARO_E2E_LIB")/screen_reader.py" "$APP_PID" "$bet" "$discard" \
    "$dealt" "$final" "$balance" || fail "over AT-SPI (log: $(tail -n 20 "$E2E_TMP/app.log"))"
quit_cleanly
expect_ini "Score_0_0=$balance"
echo "screen reader: passed"
