# Shared set-up of the end-to-end tests: a private Xvfb server and config folder, and
# helpers to drive the program's windows.
set -euo pipefail

E2E_TMP=$(mktemp -d)
export XDG_CONFIG_HOME="$E2E_TMP/config"
mkdir -p "$XDG_CONFIG_HOME"
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"
export QUINTARO_SEED=${QUINTARO_SEED:-4242}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# The program in English, whatever the desktop's language; a test of a language sets its own.
export LANGUAGE=en

# A program still running is killed outright and waited for: a TERM would have it store
# its settings while the folder is being removed.
e2e_cleanup() {
    if [ -n "${APP_PID:-}" ] && kill -9 "$APP_PID" 2>/dev/null; then
        poll 50 eval '! kill -0 "$APP_PID" 2>/dev/null' || true
    fi
    stop_xvfb
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A server of the test's own on a free display number, 1280x1024x24 unless $1 says
# otherwise. -noreset: a server resetting as its last client leaves refuses the program
# started again at that moment ("could not connect to display").
start_xvfb() {
    local number screen=${1:-1280x1024x24}
    for _ in $(seq 20); do
        number=$((200 + RANDOM % 4000))
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        : >"$E2E_TMP/display"
        Xvfb ":$number" -displayfd 1 -screen 0 "$screen" -nolisten tcp -noreset \
            >"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
        XVFB_PID=$!
        poll 100 xvfb_settled || true
        if [ -s "$E2E_TMP/display" ] && DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
            export DISPLAY=":$number"
            return 0
        fi
        stop_xvfb
    done
    fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
}

# The server has given its display number, or has ended.
xvfb_settled() { [ -s "$E2E_TMP/display" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; }

# Waits for the server to go, so its display number is free again when the test ends.
stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] || return 0
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
}

# Starts the program in the background, through APP_LAUNCHER when set, its output in
# $E2E_TMP/app.log; its exit code goes to a file, so wait_exit works in a subshell too.
start_app() {
    rm -f "$E2E_TMP/app.pid" "$E2E_TMP/app.exit"
    (
        ${APP_LAUNCHER:-} "$APP" "$@" >"$E2E_TMP/app.log" 2>&1 &
        echo $! >"$E2E_TMP/app.pid"
        code=0
        wait $! || code=$?
        echo "$code" >"$E2E_TMP/app.exit"
    ) &
    poll 50 test -s "$E2E_TMP/app.pid" || true
    APP_PID=$(cat "$E2E_TMP/app.pid")
}

# Points APP at a copy, readable by every user, of the program and what it finds beside it,
# in the folder $1 under $E2E_TMP: another user may not read a clone under /root.
readable_copy() {
    local from copy=$E2E_TMP/$1
    from=$(dirname "$APP")
    mkdir "$copy"
    cp "$APP" "$from/wqgame32.rcc" "$from/quintaro-sound.so" "$copy/"
    cp -R "$from/sounds" "$copy/"
    chmod 755 "$E2E_TMP"
    chmod -R a+rX "$copy"
    APP=$copy/$(basename "$APP")
}

# Retries the command after $1 every 0.1 s until it succeeds, at most $1 times.
poll() {
    for _ in $(seq "$1"); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}

# Prints the id of the first visible window whose title matches $1, if any.
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep .; }

# Runs the command; when it fails, fails the test if the program has ended.
while_running() {
    "$@" && return 0
    kill -0 "$APP_PID" 2>/dev/null || fail "program ended early: $(tail -n 50 "$E2E_TMP/app.log")"
    return 1
}

# Prints the id of the first visible window whose title matches, waiting up to 30 s.
wait_window() { poll 300 while_running shown "$1" || fail "no window named '$1'"; }

hidden() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Waits up to 10 s for the visible windows named by the pattern $1 to close.
wait_closed() { poll 100 hidden "$1" || fail "'$1' did not close"; }

# Waits for the program to end and prints its exit code.
wait_exit() {
    poll 300 test -s "$E2E_TMP/app.exit" || fail "program did not exit"
    APP_PID=""
    cat "$E2E_TMP/app.exit"
}

# Sends the keys after $1 to the window $1 names, once it shows.
answer() {
    local id
    id=$(wait_window "$1")
    xdotool windowfocus --sync "$id" key --clearmodifiers "${@:2}"
}

# Sends the keys to the table $win.
keys() { xdotool windowfocus --sync "$win" key --clearmodifiers "$@"; }

# Plays the three rounds of the trainer prediction in $prediction at the table $win, with
# Show Strategy on (a redeal is judged once its advice is there). The first two holds are
# worth less than the best: each is refused once, then drawn on a second Redeal. The
# command given, if any, runs after the first refusal.
play_trainer_rounds() {
    local strip=(300 20 300 200)  # the hint strip under the pay table
    local status=(300 48 150 246) # the status box over the cards
    local round key
    press Return # Deal
    shot dealt
    press alt+g s Return # Game > Show Strategy
    shot_until advised differ advised dealt "${strip[@]}" || fail "no strategy advice appeared"
    for round in 0 1 2; do
        [ "$round" = 0 ] || press Return # Deal
        [ "${prediction[$round]}" = none ] || for key in ${prediction[$round]}; do press "$key"; done
        shot held
        press Return # Redeal
        if [ "$round" -lt 2 ]; then
            shot_until refused differ refused held "${strip[@]}" || fail "round $round: no refusal"
            differ refused held "${status[@]}" && fail "round $round: a worse hold was redealt at once"
            [ "$round" = 0 ] && [ $# -gt 0 ] && "$@"
            press Return # the same hold again
        fi
        shot_until drawn differ drawn held "${status[@]}" || fail "round $round: the hold was not drawn"
    done
}

# Sends the keys to the table and gives the program time to take them.
press() { keys "$@" && sleep 0.3; }

# Closes the table $win with Alt+F4 and fails unless the program exits with 0 ($1 names
# the run).
quit_cleanly() {
    local code
    keys alt+F4
    code=$(wait_exit)
    [ "$code" = 0 ] || fail "${1:+$1: }exit code $code: $(tail -n 50 "$E2E_TMP/app.log")"
}

# Prints the id of the program's message box while one shows: of the windows bearing the
# program's name, the dialog.
message_box() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Quintaro$' 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_DIALOG' &&
            echo "$id" && return 0
    done
    return 1
}
no_message_box() { ! message_box >/dev/null; }

# Waits up to 30 s for the message box, answers it with OK and waits for it to close.
answer_message() {
    local id
    id=$(poll 300 while_running message_box) || fail "no message box"
    xdotool windowfocus --sync "$id" key --clearmodifiers Return
    poll 100 no_message_box || fail "the message box did not close"
}

# Answers the sign-in dialog with the name $1, or with the name it offers.
sign_in() {
    if [ -n "${1:-}" ]; then
        answer '^Please Sign In$' ctrl+a
        xdotool type --delay 20 "$1"
    fi
    answer '^Please Sign In$' Return
    wait_closed '^Please Sign In$'
}

# Waits for the table of player $1 and sets win to it and menu to the height of the menu
# bar above its 600 x 410 client area, to which client coordinates are relative.
table() {
    win=$(wait_window "^Quintaro - $1\$")
    menu=$(($(xwininfo -id "$win" | awk '/Height:/ {print $2}') - 410))
}

# Starts the accessibility bus on the test's session bus (dbus-run-session) and waits for
# it; false, with why in $E2E_TMP/bus.log, if it does not come up. Its socket is in a
# runtime folder of the test's own: another test's launcher removes the shared one as it
# ends. No display: the launcher would mark that display's root window with its bus.
start_accessibility_bus() {
    local launcher=/usr/libexec/at-spi-bus-launcher
    [ -x "$launcher" ] || { echo "no $launcher (at-spi2-core)" >"$E2E_TMP/bus.log"; return 1; }
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    env -u DISPLAY "$launcher" --launch-immediately >"$E2E_TMP/bus.log" 2>&1 &
    poll 100 accessibility_bus_up
}

# Asked of the session bus: calling the bus's name before the launcher holds it would
# start a second launcher, with the session's runtime folder and display.
accessibility_bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"
}

# Starts the program and signs in as $1, the table then in $win.
start_signed_in() {
    start_app
    sign_in "$1"
    table "$1"
}

# Clicks the client point ($1, $2) of the table.
click() {
    xdotool mousemove --window "$win" "$1" $(($2 + menu)) click 1
    sleep 0.4
}

# Takes picture $1 of the window $2, or of the table.
shot() { import -window "${2:-$win}" "$E2E_TMP/$1.png"; }

# Prints the colour of the client point ($2, $3) in the table's picture $1.
pixel() { convert "$E2E_TMP/$1.png" -format "%[pixel:p{$2,$(($3 + menu))}]" info:; }
pixel_is() { [ "$(pixel "$1" "$2" "$3")" = "$4" ]; }

# Succeeds when the pictures $1 and $2 differ, within the client rectangle of width $3,
# height $4 at ($5, $6) if given.
differ() {
    local region=()
    [ -z "${3:-}" ] || region=(-extract "$3x$4+$5+$(($6 + menu))")
    [ "$(compare -metric AE "${region[@]}" "$E2E_TMP/"{"$1","$2"}.png null: 2>&1 || true)" != 0 ]
}

# Takes the table's picture $1 until the command after it succeeds, for up to 30 s.
shot_and() { shot "$1" && "${@:2}"; }
shot_until() { poll 300 shot_and "$@"; }

# Fails unless the settings file holds each line given, whole.
expect_ini() {
    local line
    for line; do
        grep -Fxq -- "$line" "$ini" || fail "no line '$line' in: $(cat "$ini")"
    done
}
