#!/usr/bin/env bash
# quintaro-analyze against deal counts known from outside the program: the textbook
# five-card frequencies, and for the wild games the lines whose counts follow by hand.
# $1 is the tool.
set -u
tool=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

run() {
    local game=$1
    out=$("$tool" --game "$game" --frequencies) || fail "game $game exited with $?"
    awk '$1 == "total" { total = $2; next } { sum += $NF } END { exit !(sum == total) }' \
        <<<"$out" || fail "game $game: the counts do not add up to the total"
}

expect_line() {
    grep -qxF "$1" <<<"$out" || fail "missing line '$1' in:"$'\n'"$out"
}

run 0
expected="0 Royal Flush 4
1 Straight Flush 36
2 Four of a Kind 624
3 Full House 3744
4 Flush 5108
5 Straight 10200
6 Three of a Kind 54912
7 Two Pair 123552
8 Pair (Jacks or better) 337920
nothing 2062860
total 2598960"
[ "$out" = "$expected" ] || fail "game 0:"$'\n'"$(diff <(echo "$expected") <(echo "$out"))"

# Jokers: four of a rank and one joker (13 x 2), or three of a rank and both (13 x 4).
run 1
expect_line "0 Royal Flush (No Wilds) 4"
expect_line "1 Five of a Kind 78"
expect_line "9 Two Pair 123552"
expect_line "total 3162510"

# Deuces: the usual deuces-wild deal counts; a king-high straight flush made with a wild
# card counts as a royal flush here, so only the sum of those two lines is the book's.
run 2
expect_line "0 Royal Flush (No Wilds) 4"
expect_line "1 Four Wild Cards 48"
expect_line "3 Five of a Kind 624"
expect_line "5 Four of a Kind 31552"
expect_line "6 Full House 12672"
expect_line "7 Flush 14472"
expect_line "8 Straight 62232"
expect_line "9 Three of a Kind 355080"
expect_line "total 2598960"
royal=$(awk '$1 == 2 { print $NF }' <<<"$out")
straightFlush=$(awk '$1 == 4 { print $NF }' <<<"$out")
[ $((royal + straightFlush)) -eq 2548 ] || fail "game 2: wild royal + straight flush is not 2548"

echo "quintaro-analyze: all checks passed"
