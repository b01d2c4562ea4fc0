# What is missing or cannot be written never stops the game: with no config folder
# possible, with a read-only empty one, and with neither the sound module nor the sounds
# beside the program, a whole session (sign-in, a round, accepted Options, a Hall of Fame
# entry, exit) runs and exits cleanly. Root writes anywhere, so as root the program runs as
# the user nobody.
APP=$1
source "$QUINTARO_E2E_LIB"
trap 'chmod -R u+w "$E2E_TMP" 2>/dev/null; e2e_cleanup' EXIT
start_xvfb
program=$APP

if [ "$(id -u)" = 0 ]; then
    chmod 755 "$E2E_TMP"
    runtime="$E2E_TMP/runtime"
    mkdir -m 700 "$runtime"
    chown nobody "$runtime"
    cat >"$E2E_TMP/as-nobody" <<EOF
#!/bin/sh
exec setpriv --reuid=nobody --regid=nogroup --clear-groups env XDG_RUNTIME_DIR="$runtime" \
    "$program" "\$@"
EOF
    chmod 755 "$E2E_TMP/as-nobody"
    unprivileged="$E2E_TMP/as-nobody"
else
    unprivileged=$program
fi

# Signs in as $2, plays a round, accepts the Options and exits.
session() {
    local what=$1 name=$2 dialog win code
    start_app
    sign_in "$name"
    win=$(wait_window "^Quintaro - $name\$")
    xdotool windowfocus --sync "$win" key --clearmodifiers Return 1 Return
    sleep 0.3
    xdotool windowfocus --sync "$win" key --clearmodifiers alt+g o
    dialog=$(wait_window '^Quintaro Options$')
    xdotool windowfocus --sync "$dialog" key --clearmodifiers Return
    # With money on the table, OK asks first.
    if [ -n "$(window_or_nothing '^Quintaro$')" ]; then
        xdotool key --clearmodifiers y
    fi
    for _ in $(seq 50); do
        [ -z "$(xdotool search --onlyvisible --name '^Quintaro Options$' 2>/dev/null)" ] && break
        sleep 0.1
    done
    [ -z "$(xdotool search --onlyvisible --name '^Quintaro Options$' 2>/dev/null)" ] ||
        fail "$what: the Options were not accepted"
    quit_cleanly "$what"
    grep -q 'ERROR: AddressSanitizer\|runtime error' "$E2E_TMP/app.log" &&
        fail "$what: $(cat "$E2E_TMP/app.log")"
    return 0
}

window_or_nothing() {
    for _ in $(seq 20); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 && return 0
        sleep 0.1
    done
}

# No config folder can exist: the path to it is a file.
config=$XDG_CONFIG_HOME
rm -rf "$config"
echo "not a folder" >"$config"
session "config path is a file" Ann
[ "$(cat "$config")" = "not a folder" ] || fail "the file at the config path changed"
rm "$config"

# A read-only folder with no settings in it.
APP=$unprivileged
mkdir -p "$config"
chmod a-w "$config"
session "read-only empty folder" Cy
[ -z "$(ls -A "$config")" ] || fail "files appeared: $(ls -A "$config")"
chmod u+w "$config"
APP=$program

# The program and its resource library alone, without the sound module and the sounds.
mkdir "$E2E_TMP/bare"
cp "$program" "$(dirname "$program")/wqgame32.rcc" "$E2E_TMP/bare/"
APP="$E2E_TMP/bare/$(basename "$program")"
session "no sound module, no sounds" Dee
echo "degraded: passed"
