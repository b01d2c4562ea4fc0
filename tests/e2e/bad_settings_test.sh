# Bad settings never stop the program: a value it cannot use takes its default; a path it
# cannot keep scores in (a read-only file, a folder, a FIFO, never opened so as not to
# hang) is said once, before the sign-in, and left as it is.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
mkdir -p "$(dirname "$ini")"

# Runs $1 through sign-in to exit, answering the message box when $2 gives what it must
# say on stderr; nothing else is said.
run_and_close() {
    local said
    start_app
    [ -z "${2:-}" ] || answer_message
    sign_in Tester
    table Tester
    quit_cleanly "$1"
    said=$(grep '^quintaro: ' "$E2E_TMP/app.log" || true)
    [ "$said" = "${2:+quintaro: $2}" ] || fail "$1: said '$said', not '${2:-}'"
}

long=$(head -c 10000 /dev/zero | tr '\0' 'x')
{
    printf '[General]\nAnimationDelay=soon\n[%%General]\nAnimationDelay=later\n'
    printf '[Quintaro]\nGameType=two\nSoundEnabled=yes\nBackground=felt\nSkillLevel=%s\n' "$long"
    printf 'AnimationSpeed=--\nSound0=%s\nSound1=Jackpot,%s\n' "$long" "$long"
} >"$ini"
run_and_close "letters and long values"
expect_ini SoundEnabled=1 GameType=0 'Sound0="Quintaro Start,"' AnimationDelay=10000

# A file the player may only read is used and left alone; root runs the program as nobody.
[ "$(grep -c '^PlayerName=Tester$' "$ini")" = 1 ] || fail "no player stored: $(cat "$ini")"
cp "$ini" "$E2E_TMP/kept.ini"
chmod 444 "$ini"
if [ "$(id -u)" = 0 ]; then
    readable_copy readable
    chmod 755 "$XDG_CONFIG_HOME" "$(dirname "$ini")"
    APP_LAUNCHER="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
run_and_close "read-only file" "Your scores will not be kept: Permission denied ($ini)"
cmp -s "$ini" "$E2E_TMP/kept.ini" || fail "the read-only file changed: $(cat "$ini")"
APP_LAUNCHER=""
chmod 644 "$ini"

# Where the file belongs, a folder with a file in it, then a FIFO.
not_kept="Your scores will not be kept: it is not a regular file ($ini)"
rm -f "$ini"
mkdir "$ini"
echo inside >"$ini/file"
run_and_close "a folder" "$not_kept"
[ -d "$ini" ] && [ "$(ls -A "$ini")" = file ] && [ "$(cat "$ini/file")" = inside ] ||
    fail "the folder changed: $(ls -lA "$ini")"
rm -r "$ini"
mkfifo "$ini"
before=$(ls -A "$(dirname "$ini")")
run_and_close "a FIFO" "$not_kept"
[ -p "$ini" ] || fail "the FIFO was replaced: $(ls -l "$ini")"
[ "$(ls -A "$(dirname "$ini")")" = "$before" ] || fail "files beside the FIFO: $(ls -A "$(dirname "$ini")")"

echo "bad settings: passed"
