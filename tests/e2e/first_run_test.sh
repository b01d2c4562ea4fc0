# A first run with an empty config folder stores the frame's settings, the eight sound
# events in registration order and the game type, and the family's AnimationDelay.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
ini="$XDG_CONFIG_HOME/Varden/Parlorset.ini"

start_app

sign_in Tester
win=$(wait_window '^Quintaro')
quit_cleanly

# The lines of one [group], without blank lines.
section() {
    awk -v head="[$1]" '$0 == head { on = 1; next } /^\[/ { on = 0 } on && NF' "$ini"
}
expect_line() {
    section "$1" | grep -Fxq -- "$2" || fail "[$1] lacks the line '$2' in: $(cat "$ini")"
}

expect_line Quintaro 'Sound0="Quintaro Start,"'
expect_line Quintaro 'Sound1="Quintaro Exit,"'
expect_line Quintaro 'Sound2="Change Bet,slotcoin.wav"'
expect_line Quintaro 'Sound3="Deal Cards,cardshuf.wav"'
expect_line Quintaro 'Sound4="Flip Card - Front,click_5.wav"'
expect_line Quintaro 'Sound5="Flip Card - Back,click_4.wav"'
expect_line Quintaro 'Sound6="Jackpot,slotjack.wav"'
expect_line Quintaro 'Sound7="You are Broke,instr_2.wav"'
expect_line Quintaro 'SoundEnabled=1'
expect_line Quintaro 'GameType=0'
# QSettings keeps a group named General as [%General].
expect_line %General 'AnimationDelay=10000'

[ "$(section Quintaro | grep -c '^Sound[0-9]')" = 8 ] || fail "not eight sounds in: $(cat "$ini")"
# Defaults that were never changed are not written, so the next run computes them again.
for name in Background SkillLevel AnimationSpeed; do
    section Quintaro | grep -q "^$name=" && fail "$name written on a first run: $(cat "$ini")"
done
echo "first run: passed"
