# The program in German, as the desktop asks with LANGUAGE: the sign-in dialog and the menu
# bar read, over AT-SPI, the German a player sees; the money stays in dollars.
APP=$1
source "$(dirname "$QUINTARO_E2E_LIB")/session_bus.sh"
source "$QUINTARO_E2E_LIB"
start_accessibility_bus || fail "the AT-SPI bus did not start: $(cat "$E2E_TMP/bus.log")"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=de
start_xvfb

names() { /usr/bin/python3 "$(dirname "$QUINTARO_E2E_LIB")/accessible_names.py" "$APP_PID"; }
# Waits until the program shows every line of its arguments over AT-SPI.
shows_all() {
    local found
    found=$(names) || return 1
    for line in "$@"; do grep -qxF "$line" <<<"$found" || return 1; done
}
expect_names() { poll 100 shows_all "$@" || fail "not all of: $* in: $(names)"; }

start_app
wait_window '^Bitte anmelden$'
expect_names "dialog: Bitte anmelden" "label: Willkommen im Casino!" \
    "label: Sie erhalten \$100 zum Spielen. Bitte geben Sie unten Ihren Namen ein." \
    "push button: OK"
answer '^Bitte anmelden$' ctrl+a
xdotool type --delay 20 "Ann"
answer '^Bitte anmelden$' Return
win=$(wait_window '^Quintaro - Ann$')
expect_names "menu item: Spiel" "menu item: Neu" "menu item: Hilfe" "push button: Geben" \
    "label: Guthaben \$100"
quit_cleanly
echo "german: passed"
