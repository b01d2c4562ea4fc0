# The program opens its table with the fixed client area, and Alt+F4 ends it cleanly.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb

# Every widget gets its own X window, so the window tree shows the table's layout.
export QT_USE_NATIVE_WINDOWS=1
start_signed_in Tester
sleep 0.5
tree=$(xwininfo -tree -id "$win")

# The client area is a 600 x 410 child; the Deal button a 120 x 32 child of it at (240, 370).
echo "$tree" | grep -Eq '600x410\+0\+[0-9]+' || fail "no 600x410 client area in: $tree"
echo "$tree" | grep -Eq '120x32\+240\+370' || fail "Deal button not at 240,370 120x32 in: $tree"

quit_cleanly
echo "startup: passed"
