# With no config folder possible, a read-only empty one, or no sound module and sounds, a
# whole session (sign-in, a round, accepted Options, exit) runs and exits cleanly. Root
# writes anywhere, so root runs the program as nobody.
APP=$1
source "$QUINTARO_E2E_LIB"
trap 'chmod -R u+w "$E2E_TMP" 2>/dev/null; e2e_cleanup' EXIT
start_xvfb
program=$APP

unprivileged=""
if [ "$(id -u)" = 0 ]; then
    readable_copy readable
    runtime="$E2E_TMP/runtime"
    mkdir -m 700 "$runtime"
    chown nobody "$runtime"
    unprivileged="setpriv --reuid=nobody --regid=nogroup --clear-groups env XDG_RUNTIME_DIR=$runtime"
fi

# Session $1 of player $2; $3 is what the program must say once at the start, if anything.
session() {
    start_app
    [ -z "${3:-}" ] || answer_message
    sign_in "$2"
    table "$2"
    keys Return 1 Return
    sleep 0.3
    keys alt+g o
    answer '^Quintaro Options$' Return
    # With money on the table, OK may ask first.
    if poll 20 shown '^Quintaro$' >/dev/null; then
        xdotool key --clearmodifiers y
    fi
    wait_closed '^Quintaro Options$'
    quit_cleanly "$1"
    grep -q 'ERROR: AddressSanitizer\|runtime error' "$E2E_TMP/app.log" &&
        fail "$1: $(cat "$E2E_TMP/app.log")"
    said=$(grep '^quintaro: ' "$E2E_TMP/app.log" || true)
    [ "$said" = "${3:+quintaro: $3 ($ini)}" ] || fail "$1: said '$said', not '${3:-}'"
    return 0
}

# No config folder can exist: the path to it is a file.
config=$XDG_CONFIG_HOME
rm -rf "$config"
echo "not a folder" >"$config"
session "config path is a file" Ann "Your scores will not be kept: Not a directory"
[ "$(cat "$config")" = "not a folder" ] || fail "the file at the config path changed"
rm "$config"

# A read-only folder with no settings in it.
APP_LAUNCHER=$unprivileged
mkdir -p "$config"
chmod a-w "$config"
session "read-only empty folder" Cy "Your scores will not be kept: Permission denied"
[ -z "$(ls -A "$config")" ] || fail "files appeared: $(ls -A "$config")"
chmod u+w "$config"
APP_LAUNCHER=""

# The program and its resource library alone, without the sound module and the sounds.
mkdir "$E2E_TMP/bare"
cp "$program" "$(dirname "$program")/wqgame32.rcc" "$E2E_TMP/bare/"
APP="$E2E_TMP/bare/$(basename "$program")"
session "no sound module, no sounds" Dee
echo "degraded: passed"
