# Two RandR monitors on one screen, the right-hand one smaller, under a top panel: with the
# table on the right-hand one, Options and the Hall of Fame open centred below the panel.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb 2304x1024x24
# The first replaces the server's own monitor of the whole screen; sizes in pixels/mm.
xrandr --setmonitor left 1280/339x1024/271+0+0 screen >/dev/null
xrandr --setmonitor right 1024/271x768/203+1280+0 none >/dev/null
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] ||
    fail "the server did not take two monitors: $(xrandr --listmonitors)"
# The panel's 30 rows, announced as a desktop does; on several monitors Qt believes the
# announcement only when told to.
xprop -root -format _NET_WORKAREA 32c -set _NET_WORKAREA 0,30,2304,994
export QT_RELY_ON_NET_WORKAREA_ATOM=1

# Fails unless window $1, named $2, is centred on the right-hand monitor below the panel,
# halves rounded down.
expect_centred() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    local x=$((1280 + (1024 - WIDTH) / 2)) y=$((30 + (738 - HEIGHT) / 2))
    [ "$X,$Y" = "$x,$y" ] || fail "$2 (${WIDTH}x$HEIGHT) is at $X,$Y, not centred at $x,$y"
}

start_signed_in "Ada Lovelace"
xdotool windowmove --sync "$win" 1400 100

keys alt+g o
dialog=$(wait_window '^Quintaro Options$')
expect_centred "$dialog" Options
answer '^Quintaro Options$' Escape

keys alt+g h
dialog=$(wait_window '^Straight Poker$')
expect_centred "$dialog" "the Hall of Fame"
answer '^Straight Poker$' Return

sleep 0.3
quit_cleanly
echo "two monitors: passed"
