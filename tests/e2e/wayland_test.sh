# The game runs natively on Wayland under Weston, with no QT_IM_MODULE set. Headless, with
# no seat, the sign-in field's cursor does not crash it and /h: (an X11 window) is skipped
# with one line. In an Xvfb window, whose seat takes xdotool's keys, it is played by keyboard:
# sign in, a round, Options, Hall of Fame, About and Exit. Titles come from WAYLAND_DEBUG.
APP=$1
source "$QUINTARO_E2E_LIB"
export QUINTARO_SEED=1618
log="$E2E_TMP/app.log"
unset QT_IM_MODULE
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

stop_weston() {
    [ -n "${WESTON_PID:-}" ] || return 0
    kill "$WESTON_PID" 2>/dev/null || true
    wait "$WESTON_PID" 2>/dev/null || true
    WESTON_PID=""
}
trap 'stop_weston; e2e_cleanup' EXIT

# Starts Weston with the given options, on the X server $xdisplay if any, then the game
# with /h:, and waits for its sign-in dialog.
start_session() {
    local socket="quintaro-$$-$RANDOM"
    DISPLAY=${xdisplay:-} weston --no-config --idle-time=0 --socket="$socket" "$@" \
        >"$E2E_TMP/weston.log" 2>&1 &
    WESTON_PID=$!
    poll 100 test -S "$XDG_RUNTIME_DIR/$socket" ||
        fail "weston did not start: $(cat "$E2E_TMP/weston.log")"
    WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client start_app "/h:4242"
    wait_line 0 'set_title\("Please Sign In"\)' >/dev/null
}

# Prints the number of the first line after line $1 of the protocol log matching $2.
find_line() {
    PATTERN=$2 awk -v from="$1" 'NR > from && $0 ~ ENVIRON["PATTERN"] { print NR; found = 1; exit }
        END { exit !found }' "$log"
}

# Like find_line, but waits for the line up to 30 s.
wait_line() { poll 300 while_running find_line "$1" "$2" || fail "no '$2' in the protocol log"; }

# After line $1, waits for the window titled $2 to take the keyboard, takes its picture,
# and sends the keys $3 until it closes and the table has the keyboard back. A key Qt sees
# before it makes the window active is dropped, so it is sent again while the window stays.
answer_window() {
    local at toplevel gone=""
    at=$(wait_line "$1" "set_title\\(\"$2\"\\)")
    toplevel=$(sed -n "${at}s/.*\\(xdg_toplevel@[0-9]*\\).*/\\1/p" "$log")
    wait_line "$at" 'wl_keyboard@[0-9]+\.enter\(' >/dev/null
    sleep 0.5
    shot "$2"
    for _ in $(seq 5); do
        sleep 0.5
        keys "$3"
        gone=$(poll 100 find_line "$at" "-> $toplevel\\.destroy\\(\\)") && break
    done
    [ -n "$gone" ] || fail "'$2' did not close"
    wait_line "$gone" 'wl_keyboard@[0-9]+\.enter\(' >/dev/null
    sleep 0.5
}

# No seat: no keyboard and no input method, and no crash when the cursor is drawn and blinks.
start_session --backend=headless-backend.so
sleep 3
kill -0 "$APP_PID" 2>/dev/null || fail "the program died at its sign-in: $(tail -n 30 "$log")"
[ "$(grep '/h:' "$log")" = "quintaro: /h: names an X11 window; skipped under Wayland" ] ||
    fail "/h: was not skipped with one line: $(grep '/h:' "$log")"
# SIGTERM closes the game as its window's close does; the next session starts afresh.
kill "$APP_PID"
[ "$(wait_exit)" = 0 ] || fail "SIGTERM at the sign-in did not end cleanly: $(tail -n 30 "$log")"
rm -f "$ini"
stop_weston

# A seat, through Weston's X11 backend in a private Xvfb the game does not see. Without
# Qt's title bars a dialog is all that changes on the output when it opens.
start_xvfb
xdisplay=$DISPLAY
unset DISPLAY
export QT_WAYLAND_DISABLE_WINDOWDECORATION=1
keys() {
    xdotool windowfocus --sync "$win" key --clearmodifiers --delay 100 "$@"
    sleep 0.5
}
start_session --backend=x11-backend.so --use-pixman --width=1024 --height=768
export DISPLAY=$xdisplay
# The X window Weston draws its output in is the table to the tests' helpers.
win=$(sed -n 's/.*x11 output .*window id \([0-9]*\).*/\1/p' "$E2E_TMP/weston.log")
[ -n "$win" ] || fail "no Weston window on the X server: $(cat "$E2E_TMP/weston.log")"
# Weston draws its pointer: over its panel, clear of every window.
xdotool mousemove 1010 5
wait_line 0 'wl_keyboard@[0-9]+\.enter\(' >/dev/null
sleep 1
xdotool type --delay 50 "Wanda Land"
# The table takes the keyboard back when the sign-in closes.
answer_window 0 "Please Sign In" Return
wait_line 0 'set_title\("Quintaro - Wanda Land"\)' >/dev/null

# A round at $1: Deal, discard the second and fourth cards, Redeal.
keys Return
keys 2 4
keys Return

# Options, the Hall of Fame of Straight Poker and About, each closed with Escape.
shot table
for dialog in "alt+g o/Quintaro Options" "alt+g h/Straight Poker" "alt+h a/About Quintaro"; do
    from=$(wc -l <"$log")
    # shellcheck disable=SC2086 # the menu keys are separate words for xdotool
    keys ${dialog%%/*}
    answer_window "$from" "${dialog#*/}" Escape
done

# Dialog $1 is what its picture changed from the table's: of size $2, its classic frames
# and boxes where its layout puts them, as probes colour@x,y.
expect_dialog() {
    local box probe
    # The clock on Weston's panel, the top 32 rows, may turn a minute between the pictures.
    box=$(convert "$E2E_TMP/table.png" "$E2E_TMP/$1.png" -compose difference -composite \
        +compose -fill black -draw "rectangle 0,0 1023,31" -fill white +opaque black -format %@ info:)
    [ "${box%%+*}" = "$2" ] || fail "'$1' showed as $box, not $2"
    convert "$E2E_TMP/$1.png" -crop "$box" +repage "$E2E_TMP/dialog.png"
    for probe in "${@:3}"; do
        [ "$(convert "$E2E_TMP/dialog.png" -format "%[hex:p{${probe#*@}}]" info:)" = "${probe%@*}" ] ||
            fail "'$1' is not ${probe%@*} at ${probe#*@}"
    done
}
expect_dialog "Quintaro Options" 515x246 000000@17,15 FFFFFF@19,15 C0C0C0@20,15 808080@95,15 \
    000000@97,15 000000@10,27 FFFFFF@12,28 808080@503,100 000000@505,27
expect_dialog "Straight Poker" 480x318 000000@10,10 FFFFFF@11,11 000000@27,27 000000@109,253 \
    FFFFFF@110,254

quit_cleanly
expected=$("$QUINTARO_PREDICT_ROUND" "$QUINTARO_SEED" 1 2 4)
expect_ini "Score_0_0=$expected" 'Name__0_0=Wanda Land'
echo "wayland: passed (balance $expected)"
