# A first run with an empty config folder stores the frame's settings, the eight sound
# events in registration order and the game type, and the family's AnimationDelay.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
start_signed_in Tester
quit_cleanly

# The lines of one [group], without blank lines.
section() {
    awk -v head="[$1]" '$0 == head { on = 1; next } /^\[/ { on = 0 } on && NF' "$ini"
}
expect_line() {
    section "$1" | grep -Fxq -- "$2" || fail "[$1] lacks the line '$2' in: $(cat "$ini")"
}

sounds='Sound0="Quintaro Start,"
Sound1="Quintaro Exit,"
Sound2="Change Bet,slotcoin.wav"
Sound3="Deal Cards,cardshuf.wav"
Sound4="Flip Card - Front,click_5.wav"
Sound5="Flip Card - Back,click_4.wav"
Sound6="Jackpot,slotjack.wav"
Sound7="You are Broke,instr_2.wav"'
[ "$(section Quintaro | grep '^Sound[0-9]')" = "$sounds" ] || fail "not the eight sounds: $(cat "$ini")"
expect_line Quintaro 'SoundEnabled=1'
expect_line Quintaro 'GameType=0'
# QSettings keeps a group named General as [%General].
expect_line %General 'AnimationDelay=10000'
# Defaults that were never changed are not written, so the next run computes them again.
for name in Background SkillLevel AnimationSpeed; do
    section Quintaro | grep -q "^$name=" && fail "$name written on a first run: $(cat "$ini")"
done
echo "first run: passed"
