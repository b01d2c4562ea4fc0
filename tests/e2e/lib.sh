# Shared set-up of the end-to-end tests: a private Xvfb server, a private config
# folder, and helpers to wait for and drive the program's window.
set -euo pipefail

E2E_TMP=$(mktemp -d)
export XDG_CONFIG_HOME="$E2E_TMP/config"
mkdir -p "$XDG_CONFIG_HOME"
export QUINTARO_SEED=${QUINTARO_SEED:-4242}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

e2e_cleanup() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
    stop_xvfb
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Each test runs its own server on a display number of its own choosing, and waits for
# it to stop at the end, so parallel tests never meet on one number. -noreset: by default
# the server resets when its last client leaves and refuses a client that connects during
# the reset, which is the moment each test starts the program again; that, not the
# display numbers, was what made starts fail with "could not connect to display".
# The screen is 1280x1024x24 unless the first argument gives another.
start_xvfb() {
    local number screen=${1:-1280x1024x24}
    for _ in $(seq 20); do
        number=$((200 + RANDOM % 4000))
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        : >"$E2E_TMP/display"
        Xvfb ":$number" -displayfd 1 -screen 0 "$screen" -nolisten tcp -noreset \
            >"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
        XVFB_PID=$!
        for _ in $(seq 100); do
            [ -s "$E2E_TMP/display" ] && break
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [ -s "$E2E_TMP/display" ] && DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
            export DISPLAY=":$number"
            return 0
        fi
        stop_xvfb
    done
    fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
}

# Waits for the server to go, so its display number is free again when the test ends.
stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] || return 0
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
}

# Starts the program in the background, through the command APP_LAUNCHER when set; its
# output goes to $E2E_TMP/app.log. A watcher
# records the exit code in a file, so wait_exit works from a command substitution too.
start_app() {
    rm -f "$E2E_TMP/app.pid" "$E2E_TMP/app.exit"
    (
        ${APP_LAUNCHER:-} "$APP" "$@" >"$E2E_TMP/app.log" 2>&1 &
        echo $! >"$E2E_TMP/app.pid"
        code=0
        wait $! || code=$?
        echo "$code" >"$E2E_TMP/app.exit"
    ) &
    for _ in $(seq 50); do
        [ -s "$E2E_TMP/app.pid" ] && break
        sleep 0.05
    done
    APP_PID=$(cat "$E2E_TMP/app.pid")
}

# Prints the id of the first visible window whose title matches, waiting up to 30 s.
wait_window() {
    local pattern=$1 id=""
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && break
        kill -0 "$APP_PID" 2>/dev/null || fail "program ended early: $(cat "$E2E_TMP/app.log")"
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window named '$pattern'"
    echo "$id"
}

# Waits for the program to end and prints its exit code.
wait_exit() {
    for _ in $(seq 300); do
        [ -s "$E2E_TMP/app.exit" ] && break
        sleep 0.1
    done
    [ -s "$E2E_TMP/app.exit" ] || fail "program did not exit"
    APP_PID=""
    cat "$E2E_TMP/app.exit"
}

# Closes the table $win with Alt+F4 and fails unless the program exits with 0; $1, if
# given, names the run in the failure.
quit_cleanly() {
    local code
    xdotool windowfocus --sync "$win" key --clearmodifiers alt+F4
    code=$(wait_exit)
    [ "$code" = 0 ] || fail "${1:+$1: }exit code $code: $(cat "$E2E_TMP/app.log")"
}

# Answers the sign-in dialog that opens every new game with the given name.
sign_in() {
    local dialog
    dialog=$(wait_window '^Please Sign In$')
    xdotool windowfocus --sync "$dialog"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key --clearmodifiers Return
    wait_closed '^Please Sign In$'
}

# Waits up to 10 s for the visible windows named by the pattern $1 to close.
wait_closed() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "'$1' did not close"
}
