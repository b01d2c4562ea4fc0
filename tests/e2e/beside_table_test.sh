# Hand Analysis, Statistics and Help open inside the screen's free area, clear of the table:
# at 1280x1024 and 2560x1600, 100 % and 200 %, under openbox and at 100 % without a window
# manager. Under openbox Hand Analysis shows its rows over AT-SPI, Statistics follows a hand
# dealt and redealt with Return while it is open and closes on Enter, and Hand Analysis
# opens again where it was moved. QUINTARO_E2E_SHOTS, if set, gets analysis.png.
APP=$1
source "$(dirname "$QUINTARO_E2E_LIB")/session_bus.sh"
source "$QUINTARO_E2E_LIB"
command -v openbox >/dev/null || fail "openbox is not installed (scripts/install-deps)"
start_accessibility_bus || fail "the AT-SPI bus did not start: $(cat "$E2E_TMP/bus.log")"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Prints the frame of window $1 as "x y width height" in screen pixels: the window with
# the borders and title bar the window manager put around it, if any.
frame() {
    local x y w h extents
    eval "$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {print "x=" $2 + 0}
        /Absolute upper-left Y/ {print "y=" $2 + 0} /Width/ {print "w=" $2 + 0}
        /Height/ {print "h=" $2 + 0}')"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '= [0-9, ]*$' |
        tr -d '= ' || true)
    local left=0 right=0 top=0 bottom=0
    [ -z "$extents" ] || IFS=, read -r left right top bottom <<<"$extents"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# The free area: what the window manager announces, else the whole screen.
free_area() {
    local area
    area=$(xprop -root _NET_WORKAREA 2>/dev/null | grep -o '= [0-9, ]*' | tr -d '= ' |
        cut -d, -f1-4 || true)
    [ -n "$area" ] && echo "${area//,/ }" && return
    echo "0 0 $(xdotool getdisplaygeometry)"
}

# Prints why window $1, named $2, is not inside the free area and clear of the table (with
# table_fills_screen set: in the area's top right corner, over the table).
misplaced() {
    local x y w h tx ty tw th ax ay aw ah
    read -r x y w h < <(frame "$1")
    read -r tx ty tw th < <(frame "$win")
    read -r ax ay aw ah < <(free_area)
    [ "$x" -ge "$ax" ] && [ "$y" -ge "$ay" ] && [ $((x + w)) -le $((ax + aw)) ] &&
        [ $((y + h)) -le $((ay + ah)) ] ||
        echo "$2's frame $w x $h at $x,$y leaves the free area $aw x $ah at $ax,$ay"
    if [ -n "${table_fills_screen:-}" ]; then
        # Within the rounding of a frame's odd pixels at 200 %.
        [ $((ax + aw - x - w)) -le 2 ] && [ "$y" = "$ay" ] ||
            echo "$2's frame $w x $h at $x,$y is not in the top right corner of the free area"
        return
    fi
    [ $((x + w)) -le "$tx" ] || [ "$x" -ge $((tx + tw)) ] || [ $((y + h)) -le "$ty" ] ||
        [ "$y" -ge $((ty + th)) ] ||
        echo "$2's frame $w x $h at $x,$y covers the table's $tw x $th at $tx,$ty"
}
placed_well() { [ -z "$(misplaced "$@")" ]; }

# Waits 3 s for window $1, named $2, to be placed well: once framed, it is placed again.
expect_beside() {
    poll 30 placed_well "$@" || fail "$(misplaced "$@") ($setting)"
}

start_openbox() {
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    poll 100 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "openbox did not start"
}

# The Statistics page's "Hands played" row as Copy gives it.
hands_played() {
    answer '^Statistics$' alt+p
    sleep 0.3
    xclip -o -selection clipboard | grep '^Hands played'
}
played() { [ "$(hands_played)" = "$1" ]; }


# What every screen and scale gets under openbox, from no settings. Leaves the program
# running, Hand Analysis open in $analysis.
play_beside_the_windows() {
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME"
    start_signed_in Ann
    press F1
    expect_beside "$(wait_window '^Quintaro Help$')" Help
    press alt+g t          # Game > Trainer
    press alt+g s s Return # Game > Statistics...
    expect_beside "$(wait_window '^Statistics$')" Statistics
    [ "$(hands_played)" = $'Hands played\t0\t0' ] || fail "Statistics did not start empty ($setting)"
    press alt+g a # Game > Hand Analysis
    analysis=$(wait_window '^Hand Analysis$')
    expect_beside "$analysis" "Hand Analysis"
    # A redeal is judged once the game's tables are built, which the rows show.
    press Return # Deal
    /usr/bin/python3 "$(dirname "$QUINTARO_E2E_LIB")/analysis_rows.py" "$APP_PID" ||
        fail "Hand Analysis over AT-SPI ($setting)"
    # A hold refused draws on the second Redeal, one accepted on the first: one hand judged.
    press Return
    press Return
    wait_window '^Statistics$' >/dev/null
    poll 20 played $'Hands played\t1\t1' ||
        fail "Statistics did not follow the hand ($setting): $(hands_played)"
    answer '^Statistics$' Return
    wait_closed '^Statistics$'
}

setting="1280x1024 at 100 %, no window manager"
start_xvfb 1280x1024x24
start_signed_in Ann
press F1
expect_beside "$(wait_window '^Quintaro Help$')" Help
press alt+g a # Game > Hand Analysis
expect_beside "$(wait_window '^Hand Analysis$')" "Hand Analysis"
# A window manager that frames them late, after a second: each is placed again by its frame.
sleep 1
setting="1280x1024 at 100 %, openbox started late"
start_openbox
expect_beside "$(wait_window '^Quintaro Help$')" Help
expect_beside "$(wait_window '^Hand Analysis$')" "Hand Analysis"
quit_cleanly "$setting"

setting="1280x1024 at 100 %, openbox"
play_beside_the_windows
if [ -n "${QUINTARO_E2E_SHOTS:-}" ]; then
    read -r x y w h < <(frame "$win")
    read -r ax ay aw ah < <(frame "$analysis")
    left=$((x < ax ? x : ax)) top=$((y < ay ? y : ay))
    right=$((x + w > ax + aw ? x + w : ax + aw)) bottom=$((y + h > ay + ah ? y + h : ay + ah))
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" \
        "$QUINTARO_E2E_SHOTS/analysis.png"
fi
# Moved by the player, closed and opened on the next run, it comes back there.
xdotool windowmove --sync "$analysis" 40 500
sleep 0.3
moved=$(frame "$analysis")
answer '^Hand Analysis$' Escape
wait_closed '^Hand Analysis$'
quit_cleanly "$setting"
grep -q '^AnalysisPosition_1280x1024\.0\.0=' "$ini" || fail "no position stored: $(cat "$ini")"
start_signed_in Ann
press alt+g a
analysis=$(wait_window '^Hand Analysis$')
sleep 0.5
read -r x y _ < <(frame "$analysis")
[ "$x $y" = "$(cut -d' ' -f1-2 <<<"$moved")" ] ||
    fail "Hand Analysis at $x,$y, not where it was moved: $moved"
quit_cleanly "$setting"

# At 200 % the table's frame leaves about 40 pixels on its left and right, and 70 above and
# below it: not a side a list can use.
setting="1280x1024 at 200 %, openbox"
export QT_SCALE_FACTOR=2
table_fills_screen=1
play_beside_the_windows
quit_cleanly "$setting"
table_fills_screen=
stop_xvfb

setting="2560x1600 at 200 %, openbox"
start_xvfb 2560x1600x24
start_openbox
play_beside_the_windows
quit_cleanly "$setting"

setting="2560x1600 at 100 %, openbox"
unset QT_SCALE_FACTOR
play_beside_the_windows
quit_cleanly "$setting"
echo "beside the table: passed"
