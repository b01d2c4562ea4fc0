# Pop-up help, switched from the Help menu: while on, the pointer resting on the Deal button
# pops up its short text, on the table the long one; while off, nothing.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb

start_signed_in Tester
sleep 0.5
# The window's position on the screen, as X and Y.
eval "$(xdotool getwindowgeometry --shell "$win")"

# Prints "width height x y" of the program's first shown pop-up window (a tooltip), if any.
popup() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        [ "$w" = "$win" ] && continue
        xwininfo -id "$w" | awk '/Override Redirect State: yes/ {o = 1}
            /Width:/ {w = $2} /Height:/ {h = $2}
            /Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
            END {if (o) print w, h, x, y}'
    done | head -n1 | grep .
}

# Rests the pointer on a client point and prints the tooltip that comes up, if any. Between
# rests it waits on the empty end of the menu bar, which has no help.
rest_on() {
    xdotool windowfocus --sync "$win" mousemove --window "$win" 580 $((menu / 2))
    poll 30 eval '[ -z "$(popup)" ]' || fail "a pop-up stays open: $(popup)"
    xdotool mousemove --window "$win" "$1" $(($2 + menu))
    poll 30 popup || true
}

switch_popup_help() {
    keys alt+h
    sleep 0.5
    xdotool key --clearmodifiers p
    sleep 0.5
}

[ -z "$(rest_on 300 386)" ] || fail "a help text popped up before pop-up help was on"

switch_popup_help
deal=$(rest_on 300 386)
[ -n "$deal" ] || fail "no help text over the Deal button"
read -r w h x y <<<"$deal"
# The tooltip opens just below and right of the pointer, and holds one short sentence.
px=$((X + 300))
py=$((Y + 386 + menu))
(( x >= px && x <= px + 40 && y >= py && y <= py + 40 )) ||
    fail "the help text at $x,$y is not by the pointer at $px,$py"
(( h < 80 )) || fail "the Deal button's help is not its short text: ${w}x${h}"

table=$(rest_on 60 300)
[ -n "$table" ] || fail "no help text over the table"
read -r w h x y <<<"$table"
(( h > 100 )) || fail "the table's help is not its long text: ${w}x${h}"

switch_popup_help
[ -z "$(rest_on 300 386)" ] || fail "a help text popped up after pop-up help was switched off"

quit_cleanly
echo "popup help: passed"
