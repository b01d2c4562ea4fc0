# kill -9 never leaves a settings file that fails to load, nor loses a Hall of Fame entry
# stored by an earlier clean exit: at random moments of start, sign-in, play or exit, then
# at each write of the settings in turn. QUINTARO_KILL_RUNS sets the random kills (10;
# bench/run --kill runs 200), QUINTARO_KILL_SEED replays a sequence.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
runs=${QUINTARO_KILL_RUNS:-10}
seed=${QUINTARO_KILL_SEED:-$$}
RANDOM=$seed

sleep_ms() { sleep "$(($1 / 1000)).$(printf %03d $(($1 % 1000)))"; }

# Like wait_window, but gives nothing when the program has ended instead of failing.
shown_or_ended() { shown "$1" || [ -s "$E2E_TMP/app.exit" ]; }
window_while_alive() { poll 300 shown_or_ended "$1" || true; }

# Two clean exits: Ann with $99 after one $1 deal, then Bob with $100 above her.
start_signed_in Ann
keys Return
sleep 0.3
quit_cleanly "Ann's run"
start_signed_in Bob
started=$(date +%s%N)
quit_cleanly "Bob's run"
# Kills while exiting fall anywhere in the time a clean exit takes, writing included.
exit_ms=$((($(date +%s%N) - started) / 1000000))
cp "$ini" "$E2E_TMP/clean.ini"

# Every line is a group, a value or blank, and both entries are there, names by scores.
check_settings() {
    local bad entry entries
    bad=$(grep -Evn '^(\[[^]]+\]|[^=[]+=.*|)$' "$ini" || true)
    [ -z "$bad" ] || fail "$1: malformed lines: $bad"
    # Each entry as name=score; both keys of an entry end in its place, after 8 characters.
    entries=$(awk -F= '/^Name__0_/ { name[substr($1, 9)] = $2 }
        /^Score_0_/ { score[substr($1, 9)] = $2 }
        END { for (i in name) print name[i] "=" score[i] }' "$ini")
    for entry in Bob=100 Ann=99; do
        grep -Fxq "$entry" <<<"$entries" ||
            fail "$1: ${entry%=*}'s \$${entry#*=} entry is lost: $(cat "$ini")"
    done
}

# Each run starts from the clean file and is killed at a random moment of one phase.
phases=(${QUINTARO_KILL_PHASES:-start sign-in play exit exit})
for run in $(seq "$runs"); do
    cp "$E2E_TMP/clean.ini" "$ini"
    phase=${phases[RANDOM % ${#phases[@]}]}
    delay=$((RANDOM % 100))
    start_app
    case $phase in
    start) sleep_ms $((RANDOM % 400)) ;;
    sign-in)
        dialog=$(wait_window '^Please Sign In$')
        xdotool windowfocus --sync "$dialog" type --delay 10 "Kid$run"
        sleep_ms "$delay"
        ;;
    play)
        sign_in "Kid$run"
        table "Kid$run"
        keys Return 2 Return
        sleep_ms "$delay"
        ;;
    exit)
        sign_in "Kid$run"
        table "Kid$run"
        # Half the runs close with a win or a loss, not the bare stake.
        if [ $((RANDOM % 2)) = 0 ]; then
            keys Return Return
            sleep 0.3
        fi
        keys alt+F4
        sleep_ms $((RANDOM % (exit_ms + 1)))
        ;;
    esac
    kill -9 "$APP_PID" 2>/dev/null || true
    code=$(wait_exit)
    check_settings "run $run (seed $seed), killed while in $phase (exit code $code)"
done

# Then a kill at each write in turn, through a run with a new player: strace counts the
# writes (each ends in a rename) and kills at one; where tracing is not allowed, the result
# says so.
command -v strace >/dev/null || fail "strace is needed to kill at each write"

# A traced run from the clean file that signs in and exits while the program lives, killed
# at write $1 if given; its exit code in $code.
traced_run() {
    local kill=${1:+-e inject=rename:signal=SIGKILL:when=$1} id
    cp "$E2E_TMP/clean.ini" "$ini"
    APP_LAUNCHER="strace -f -qq -o $E2E_TMP/writes -e trace=rename $kill" start_app
    id=$(window_while_alive '^Please Sign In$')
    # xdotool takes every word after type as text to type.
    if [ -n "$id" ] && xdotool windowfocus --sync "$id" key --clearmodifiers ctrl+a \
        type --delay 10 Kid 2>/dev/null && xdotool key --clearmodifiers Return 2>/dev/null; then
        id=$(window_while_alive '^Quintaro - Kid$')
        [ -z "$id" ] || xdotool windowfocus --sync "$id" key --clearmodifiers alt+F4 \
            2>/dev/null || true
    fi
    code=$(wait_exit)
}

writes="no"
if strace -qq -o /dev/null true 2>/dev/null; then
    traced_run
    [ "$code" = 0 ] || fail "the traced run ended with $code: $(cat "$E2E_TMP/app.log")"
    writes=$(grep -c 'rename(' "$E2E_TMP/writes" || true)
    [ "$writes" -ge 1 ] || fail "the traced run wrote no settings"
    for write in $(seq "$writes"); do
        traced_run "$write"
        [ "$code" = 137 ] ||
            fail "the run killed at write $write ended with $code: $(cat "$E2E_TMP/app.log")"
        check_settings "killed at write $write of $writes"
    done
fi

# The program still starts on what the last run left, and keeps both entries at its exit.
start_app
sign_in
win=$(wait_window '^Quintaro - ')
quit_cleanly "after the kills"
check_settings "after the kills"
echo "kill: passed ($runs random kills with seed $seed, then at each of $writes writes)"
