# Under a dark KDE colour scheme the menus follow the scheme, while the pay table keeps
# dark payoffs on its white columns and the Options page its classic radio buttons.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb

# Qt reads the scheme of a KDE session from kdeglobals in the config folder.
export XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
for colors in Window:49,54,59 View:35,38,41 Button:49,54,59; do
    printf '[Colors:%s]\nBackgroundNormal=%s\nForegroundNormal=239,240,241\n' "${colors%:*}" "${colors#*:}"
done >"$XDG_CONFIG_HOME/kdeglobals"

start_signed_in "Ada Lovelace"
sleep 0.5
shot table
[ "$menu" -gt 0 ] || fail "no menu bar above the client area"
# Grey level, 0 to 255, of pixel ($1, $2) of the client, and the darkest in a rectangle.
grey() {
    convert "$E2E_TMP/table.png" -colorspace Gray -format "%[fx:round(255*p{$1,$(( $2 + menu ))})]" info:
}
darkest() {
    convert "$E2E_TMP/table.png" -crop "$1x$2+$3+$(( $4 + menu ))" +repage -colorspace Gray \
        -format "%[fx:round(255*minima)]" info:
}

# The scheme took: the menu bar right of its titles is dark.
bar=$(grey 590 $(( -menu / 2 )))
[ "$bar" -lt 80 ] || fail "the menu bar is not dark (grey $bar): Qt ignored the scheme"

# Royal Flush in the $2 column (x 360 to 419, y 20 to 39): a dark payoff on white.
[ "$(grey 415 30)" = 255 ] || fail "the \$2 column is not white: $(grey 415 30)"
ink=$(darkest 50 16 365 22)
[ "$ink" -lt 64 ] || fail "the payoff is not dark on its white column (darkest grey $ink)"

# The Options page keeps its classic radio buttons: the chosen game's ring (at 190, 72) is
# white round a dark dot.
keys alt+g o
options=$(wait_window '^Quintaro Options$')
import -window "$options" "$E2E_TMP/options.png"
ring() {
    convert "$E2E_TMP/options.png" -crop 20x20+190+72 +repage -colorspace Gray \
        -format "%[fx:round(255*$1)]" info:
}
[ "$(ring maxima)" -ge 250 ] || fail "the chosen game's ring is not white (lightest grey $(ring maxima))"
[ "$(ring minima)" -lt 64 ] || fail "the chosen game's dot is not dark (darkest grey $(ring minima))"
xdotool windowfocus --sync "$options" key --clearmodifiers Escape
wait_closed '^Quintaro Options$'

quit_cleanly
echo "dark theme: passed (menu bar grey $bar, payoff ink grey $ink, ring $(ring maxima)/$(ring minima))"
