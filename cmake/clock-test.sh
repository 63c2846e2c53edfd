#!/bin/bash
# clock-test.sh BUILD_DIR
# The program on a clock that really jumps: the time of its process comes from libfaketime, whose
# offset the script changes while the program runs (its timers keep the real pace, as they do when
# a clock is set by hand). Two cases, in the test run's own Wine session:
#   set forward by hand: 20 minutes on, with no notice to the program. The reminder a minute back
#       fires and runs its program; the one ten minutes back is told in "Missed Reminders", and
#       its program is not started.
#   the spring change, in Europe/Berlin: an every-day 02:30, a time that day never shows, fires
#       when the clock jumps from 02:00 to 03:00, seconds after the program started at 01:59.
set -u
build=$1
run="$build/wine/wine-run"
finder="Z:$build/tests/e2e/find_character.exe"
library=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -f "$library" ] || { echo "libfaketime is missing (Debian's faketime package)"; exit 1; }
work=$(mktemp -d "$build/clock-test.XXXXXX")
failures=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
finish() {
    # A copy a failed check left running; the finder would wait for a character that is gone.
    pkill -f "$(basename "$work").*Whiskertime" >/dev/null 2>&1
    [ -n "${KEEP_CLOCK_TEST:-}" ] || rm -rf "$work"
}
trap finish EXIT

windows() { echo "Z:$1" | tr / '\\'; }
minute_text() { date -d "@$1" '+%Y-%m-%d %H:%M'; }

# install NAME: a copy of the build's installation, with two stand-in programs for events that
# note their start in NAME.log.
install() {
    local dir="$work/$1"
    cp -r "$build/Whiskertime" "$dir"
    rm -f "$dir/userconfig.ini" "$dir/eventconfig.ini" "$dir/scheduler.state"
    cp "$build/tests/e2e/record_open.exe" "$dir/fired_probe.exe"
    cp "$build/tests/e2e/record_open.exe" "$dir/skipped_probe.exe"
    printf '[EVENTCONFIG]\r\nfired=%s\r\nskipped=%s\r\n' "$(windows "$dir/fired_probe.exe")" \
        "$(windows "$dir/skipped_probe.exe")" > "$dir/eventconfig.ini"
    echo "+0" > "$work/$1.clock"
}

# launch NAME [VAR=VALUE...]: starts that copy on its own faked clock and waits for its character.
launch() {
    local name=$1; shift
    env "$@" LD_PRELOAD="$library" FAKETIME_TIMESTAMP_FILE="$work/$name.clock" FAKETIME_NO_CACHE=1 \
        FAKETIME_DONT_FAKE_MONOTONIC=1 WHISKERTIME_RECORD_OPEN="$(windows "$work/$name.log")" \
        "$run" "$work/$name/Whiskertime.exe" >/dev/null 2>&1 &
    "$run" "$finder" >/dev/null 2>&1
}

started() { grep -q "$2" "$work/$1.log" 2>/dev/null; }

# Set forward by hand.
install forward
now=$(date +%s)
fires=$(( (now + 20 * 60) / 60 * 60 ))
printf '[%s]\r\nMESSAGE=A minute back\r\nEVENT=fired\r\n[%s]\r\nMESSAGE=Ten minutes back\r\nEVENT=skipped\r\n' \
    "$(minute_text $fires)" "$(minute_text $((fires - 600)))" > "$work/forward/userconfig.ini"
launch forward
echo "+$(( fires + 30 - $(date +%s) ))" > "$work/forward.clock"
check "a jump forward tells what it passed in Missed Reminders" \
    "$run" "$finder" window "Missed Reminders" 25
# Programs start on a thread of their own: give the stand-in a moment to write its line.
for _ in $(seq 50); do
    started forward fired_probe && break
    sleep 0.2
done
check "the reminder a minute back ran its program" started forward fired_probe
sleep 1  # a program started wrongly, in the same walk, would have written by now
check "the missed reminder's program was not started" bash -c "! grep -q skipped_probe '$work/forward.log' 2>/dev/null"
"$run" "$finder" exit >/dev/null 2>&1

# The spring change: 2027-03-28 02:00 CET (01:00 UTC) becomes 03:00 CEST.
install spring
jump=1806195600
printf '[02:30]\r\nMESSAGE=Half past two\r\nEVENT=fired\r\n' > "$work/spring/userconfig.ini"
echo "+$(( jump - 8 - $(date +%s) ))" > "$work/spring.clock"
launch spring TZ=Europe/Berlin
check "nothing fires before the clock jumps" bash -c "! grep -q fired_probe '$work/spring.log' 2>/dev/null"
for _ in $(seq 150); do
    started spring fired_probe && break
    sleep 0.2
done
check "an every-day 02:30 fires as the clock jumps past it" started spring fired_probe
"$run" "$finder" exit >/dev/null 2>&1

echo "$failures failed"
[ "$failures" -eq 0 ]
