# Damaged settings never stop the program: every value it cannot use takes its default.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"
mkdir -p "$(dirname "$ini")"

run_and_close() {
    start_app
    sign_in Tester
    local win code
    win=$(wait_window '^Quintaro')
    xdotool windowfocus --sync "$win" key --clearmodifiers alt+F4
    code=$(wait_exit)
    [ "$code" = 0 ] || fail "$1: exit code $code: $(cat "$E2E_TMP/app.log")"
}

long=$(head -c 10000 /dev/zero | tr '\0' 'x')
{
    printf '[General]\nAnimationDelay=soon\n[%%General]\nAnimationDelay=later\n'
    printf '[Quintaro]\nGameType=two\nSoundEnabled=yes\nBackground=felt\nSkillLevel=%s\n' "$long"
    printf 'AnimationSpeed=--\nSound0=%s\nSound1=Jackpot,%s\n' "$long" "$long"
} >"$ini"
run_and_close "letters and long values"
grep -Fxq 'SoundEnabled=1' "$ini" || fail "SoundEnabled not back to 1: $(cat "$ini")"
grep -Fxq 'GameType=0' "$ini" || fail "GameType not back to 0: $(cat "$ini")"
grep -Fxq 'Sound0="Quintaro Start,"' "$ini" || fail "sound list not rebuilt: $(cat "$ini")"
grep -Fxq 'AnimationDelay=10000' "$ini" || fail "AnimationDelay not defaulted: $(cat "$ini")"

head -c 65536 /dev/urandom >"$ini"
run_and_close "random bytes"

# A folder where the file belongs: nothing can be read or written.
rm -f "$ini"
mkdir "$ini"
run_and_close "unreadable settings"
echo "bad settings: passed"
