# Clear in the Hall of Fame, answered No, keeps the table; answered Yes, it empties the
# table on screen and on file.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
# Two entries of an earlier game.
mkdir -p "$(dirname "$ini")"
printf '[Quintaro]\nName__0_0=Ann\nScore_0_0=300\nName__0_1=Bob\nScore_0_1=200\n' >"$ini"

# Show it, and answer the Clear question first No, then Yes.
start_signed_in Dee
keys alt+g h
fame=$(wait_window '^Straight Poker$')
shot filled "$fame"
for reply in n y; do
    xdotool windowfocus --sync "$fame" key --clearmodifiers alt+c
    answer '^Quintaro$' "$reply"
    sleep 0.5
    shot "$reply" "$fame"
done
differ filled n && fail "No changed the table on screen"
differ filled y || fail "Yes left the names on screen"
xdotool windowfocus --sync "$fame" key --clearmodifiers Return
sleep 0.3
quit_cleanly

# Cleared, then Dee's closing balance was entered at exit: one entry left.
expect_ini Name__0_0=Dee
grep -q '^Name__0_1=' "$ini" && fail "old entries survived Clear: $(cat "$ini")"
echo "hall of fame: passed"
