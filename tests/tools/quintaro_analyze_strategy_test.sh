#!/usr/bin/env bash
# quintaro-analyze --return and --hand: the published return of 8/5 jacks or better, the
# shape of the reports, the card notation, and the refusals of every mode. $1 is the tool.
set -u
tool=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The return of best play over the whole game, to six decimals, one line per pay line and
# nothing last. 8/5 jacks or better at $5 returns the published 97.2984%. The other figures
# come from quintaro-reference-returns (reference_returns.cpp here), which walks every deal
# one by one without deal classes, each final hand classified by the tests' own classifier
# (tests/core/reference_poker.h); it gives the published figure too.
check_return() {
    local game=$1 bet=$2 lines=$3 rate=$4
    out=$("$tool" --game "$game" --bet "$bet" --return) || fail "game $game bet $bet exited with $?"
    [ "$(wc -l <<<"$out")" -eq $((lines + 2)) ] || fail "game $game: not $lines lines:"$'\n'"$out"
    [ "$(head -n 1 <<<"$out")" = "return $rate" ] || fail "game $game at \$$bet:"$'\n'"$out"
    tail -n 1 <<<"$out" | grep -q '^nothing 0\.' || fail "game $game: no nothing line last"
}

check_return 0 5 9 0.972984
grep -q '^0 Royal Flush 0\.0000' <<<"$out" || fail "no royal flush line first"
grep -q '^8 Pair (Jacks or better) 0\.' <<<"$out" || fail "no jacks or better line"
check_return 0 1 9 0.960635
check_return 1 5 11 1.422894
check_return 1 1 11 1.411569
grep -q '^10 Pair (Kings or better) 0\.' <<<"$out" || fail "no kings or better line"
check_return 2 5 10 0.980379
check_return 2 1 10 0.968186
grep -q '^1 Four Wild Cards 0\.' <<<"$out" || fail "no four wild cards line"

# 32 holds, best first; keeping a paid pair of kings pays exactly the bet back.
out=$("$tool" --game 0 --bet 5 --hand "KC KD 5S 7H 9D") || fail "--hand exited with $?"
[ "$(wc -l <<<"$out")" -eq 32 ] || fail "not 32 holds:"$'\n'"$out"
[ "$(awk '{ print $NF }' <<<"$out" | sort -g -r)" = "$(awk '{ print $NF }' <<<"$out")" ] ||
    fail "holds not ranked:"$'\n'"$out"
[ "$(head -n 1 <<<"$out" | cut -d' ' -f1-2)" = "KC KD" ] || fail "the pair is not the best hold"
grep -qxF "KC KD 5S 7H 9D 5.000000" <<<"$out" || fail "the pat pair of kings is not worth \$5"
[ "$(grep -c '^- ' <<<"$out")" -eq 1 ] || fail "no single discard-all line"

# Tens written either way, lower case, and a joker named by JK.
a=$("$tool" --game 2 --bet 3 --hand "TC JC QC KC 2D") || fail "T notation exited with $?"
b=$("$tool" --game 2 --bet 3 --hand "10c jc qc kc 2d") || fail "10 notation exited with $?"
[ "$a" = "$b" ] || fail "10 and T differ"
grep -qxF "TC JC QC KC 2D 60.000000" <<<"$a" || fail "a wild royal at \$3 is not worth 60"
a=$("$tool" --game 1 --bet 1 --hand "JK 5C 9D KH JK") || fail "JK notation exited with $?"
grep -q "^X1 5C 9D KH X2 " <<<"$a" || fail "JK JK is not the two jokers:"$'\n'"$a"

for args in "" "--game 0" "--frequencies" "--game 3 --frequencies" "--game x --frequencies" \
    "--game 01 --frequencies" "--game 0 --frequencies --frequencies" \
    "--game 1 --frequencies extra" "--game" "--game 0 --return" "--game 0 --bet 0 --return" "--game 0 --bet 6 --return" \
    "--game 0 --bet 1 --frequencies" "--game 0 --bet 1 --return --return" \
    "--game 0 --bet 1 --return --hand KC_KD_5S_7H_9D" "--game 0 --bet 1 --hand" \
    "--game 0 --bet 1 --hand KC_KD_5S_7H" "--game 0 --bet 1 --hand KC_KD_5S_7H_9D_2C" \
    "--game 0 --bet 1 --hand KC_KC_5S_7H_9D" "--game 0 --bet 1 --hand 1C_KD_5S_7H_9D" \
    "--game 0 --bet 1 --hand KX_KD_5S_7H_9D" "--game 0 --bet 1 --hand X1_KD_5S_7H_9D" \
    "--game 2 --bet 1 --hand JK_KD_5S_7H_9D" "--game 1 --bet 1 --hand X1_KD_5S_X1_9D"; do
    # A hand is one argument: its cards are joined by "_" above.
    read -ra words <<<"$args"
    argv=()
    for word in "${words[@]}"; do argv+=("${word//_/ }"); done
    "$tool" "${argv[@]}" >"$scratch/out" 2>"$scratch/err"
    status=$?
    [ $status -eq 2 ] || fail "'$args' exited with $status, not 2"
    [ -s "$scratch/err" ] || fail "'$args' printed no message"
    [ -s "$scratch/out" ] && fail "'$args' printed on stdout"
done
echo "quintaro-analyze strategy: all checks passed"
