# Sounds reach PulseAudio, recorded from a null sink's monitor; switched off, or with no
# server at all, the program stays silent and still runs.
APP=$1
source "$QUINTARO_E2E_LIB"
start_xvfb
jingle="$(dirname "$APP")/sounds/slotjack.wav"
[ -f "$jingle" ] || fail "the build made no $jingle"
mkdir -p "$(dirname "$ini")"

# The sound server and everything it keeps live in this run's own folders.
export HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/run"
export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
mkdir -p "$HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"

stop_sound() {
    [ -n "${PAREC_PID:-}" ] && kill "$PAREC_PID" 2>/dev/null || true
    [ -n "${PULSE_PID:-}" ] && kill "$PULSE_PID" 2>/dev/null || true
    e2e_cleanup
}
trap stop_sound EXIT

run_and_close() {
    start_signed_in Tester
    [ -n "${RUN_BETWEEN:-}" ] && "$RUN_BETWEEN"
    sleep 2.5
    quit_cleanly "$1"
}

# Over a raw mono 16-bit recording at 44.1 kHz, after its first $2 bytes: the span in ms
# from its first sample louder than 2000 to its last, and its largest magnitude.
loud() {
    od -An -v -td2 -w2 -j "${2:-0}" "$1" | awk '{ v = $1 < 0 ? -$1 : $1
        if (v > m) m = v; if (v > 2000) { if (!first) first = NR; last = NR } }
        END { printf "%d %d\n", (last - first) * 1000 / 44100, m }'
}

# Records the sink while the program runs once.
record_run() {
    parec -d quintaro_test.monitor --raw --format=s16le --rate=44100 --channels=1 \
        >"$E2E_TMP/$1.raw" 2>"$E2E_TMP/parec.log" &
    PAREC_PID=$!
    sleep 0.5
    run_and_close "$1"
    # What the sink played last is still on its way to the recorder.
    sleep 0.5
    kill "$PAREC_PID" && wait "$PAREC_PID" 2>/dev/null || true
    PAREC_PID=""
    [ -s "$E2E_TMP/$1.raw" ] || fail "$1: nothing recorded: $(cat "$E2E_TMP/parec.log")"
}

printf '[Quintaro]\nSound0="Quintaro Start,%s"\n' "$jingle" >"$ini"
export PULSE_SERVER="unix:$E2E_TMP/no-server"
run_and_close "no sound server"

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --system=false \
    --load="module-null-sink sink_name=quintaro_test" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native" \
    --log-target=file:"$E2E_TMP/pulse.log" &
PULSE_PID=$!
export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
poll 100 pactl info >/dev/null 2>&1 || fail "PulseAudio did not start: $(cat "$E2E_TMP/pulse.log")"

record_run "sound on"
read -r _ level < <(loud "$E2E_TMP/sound on.raw")
[ "$level" -gt 2000 ] || fail "the Start sound was not heard (peak $level)"

# The Exit sound is heard to its end, though the window closes as it starts: its loud span
# is as long in the recording as in the file (after its 44-byte header).
printf '[Quintaro]\nSound0="Quintaro Start,"\nSound1="Quintaro Exit,%s"\n' "$jingle" >"$ini"
record_run "exit sound"
read -r heard _ < <(loud "$E2E_TMP/exit sound.raw")
read -r whole _ < <(loud "$jingle" 44)
[ "$heard" -ge $((whole - 20)) ] ||
    fail "the Exit sound was cut short: $heard ms of its $whole ms heard"

# A refused click (a card before the first deal) beeps beside the Change Bet jingle
# without cutting it short.
printf '[Quintaro]\nSound0="Quintaro Start,"\nSound1="Change Bet,%s"\n' "$jingle" >"$ini"
beep_during_jingle() {
    click 450 100
    click 60 270
}
RUN_BETWEEN=beep_during_jingle record_run "beep during jingle"
# A beep that stops the jingle leaves about 0.2 s of it; half the jingle tells them apart.
read -r heard _ < <(loud "$E2E_TMP/beep during jingle.raw")
[ "$heard" -ge $((whole / 2)) ] ||
    fail "a refused click cut the jingle short: $heard ms of its $whole ms heard"

printf '[Quintaro]\nSoundEnabled=0\nSound0="Quintaro Start,%s"\n' "$jingle" >"$ini"
record_run "sound off"
read -r _ level < <(loud "$E2E_TMP/sound off.raw")
[ "$level" -lt 100 ] || fail "sound played while switched off (peak $level)"
echo "sound: passed"
