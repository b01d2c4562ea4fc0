# Damaged settings never stop the program: every value it cannot use takes its default.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
mkdir -p "$(dirname "$ini")"

run_and_close() {
    start_signed_in Tester
    quit_cleanly "$1"
}

long=$(head -c 10000 /dev/zero | tr '\0' 'x')
{
    printf '[General]\nAnimationDelay=soon\n[%%General]\nAnimationDelay=later\n'
    printf '[Quintaro]\nGameType=two\nSoundEnabled=yes\nBackground=felt\nSkillLevel=%s\n' "$long"
    printf 'AnimationSpeed=--\nSound0=%s\nSound1=Jackpot,%s\n' "$long" "$long"
} >"$ini"
run_and_close "letters and long values"
expect_ini SoundEnabled=1 GameType=0 'Sound0="Quintaro Start,"' AnimationDelay=10000

# A file the player may read but not write is used as it is and left alone. Root may
# write any file, so the program then runs as nobody, who may only read it.
[ "$(grep -c '^PlayerName=Tester$' "$ini")" = 1 ] || fail "no player stored: $(cat "$ini")"
cp "$ini" "$E2E_TMP/kept.ini"
chmod 444 "$ini"
if [ "$(id -u)" = 0 ]; then
    readable_copy readable
    chmod 755 "$XDG_CONFIG_HOME" "$(dirname "$ini")"
    APP_LAUNCHER="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
start_app
sign_in
table Tester
quit_cleanly "read-only file"
cmp -s "$ini" "$E2E_TMP/kept.ini" || fail "the read-only file changed: $(cat "$ini")"
APP_LAUNCHER=""
chmod 644 "$ini"

head -c 65536 /dev/urandom >"$ini"
run_and_close "random bytes"

# A folder where the file belongs: nothing can be read or written.
rm -f "$ini"
mkdir "$ini"
run_and_close "unreadable settings"
echo "bad settings: passed"
