#!/bin/bash
# scripts/idle.sh [SECONDS]
# What the idle character costs: runs Whiskertime.exe and a bare timer program (a 225 x 305
# window with a 100 ms timer that does nothing) one after the other in one Wine prefix and Xvfb,
# each settled for 5 s and then measured for SECONDS (30 by default), and prints the CPU time per
# second of each process and of the X server (from /proc/PID/schedstat, every thread), resident
# memory, and the ratios. Not part of the test command.
set -u
source "$(dirname "$0")/common.sh"
seconds=${1:-30}
settle=5
ensure_packages || exit 1
configure_win32 "$BUILD/win32" && ninja -C "$BUILD/win32" Whiskertime idle_floor || exit 1

start_private_wine idle || exit 1
cp "$BUILD/win32/bench/win32/idle_floor.exe" "$copy/"
xvfb=$(cat "$wine_dir/xvfb.pid")

# CPU nanoseconds of every thread of the process so far.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%d", sum}'
}

# measure NAME EXE: prints "cpu_ms_per_s xserver_ms_per_s rss_kib"
measure() {
    local exe=$1 pid=
    "$wine_dir/wine-run" "Z:$copy/$exe" >/dev/null 2>&1 &
    for _ in $(seq 100); do
        pid=$(pgrep -f "idle.installation.$exe" | head -n 1)
        [ -n "$pid" ] && break
        sleep 0.1
    done
    [ -n "$pid" ] || { echo "could not find $exe" >&2; return 1; }
    sleep "$settle"
    local p0 x0 p1 x1 rss
    p0=$(cpu_ns "$pid"); x0=$(cpu_ns "$xvfb")
    sleep "$seconds"
    p1=$(cpu_ns "$pid"); x1=$(cpu_ns "$xvfb")
    rss=$(awk '/^VmRSS/ {print $2}' /proc/"$pid"/status)
    kill "$pid" 2>/dev/null
    "$wine_dir/wine-run" wineserver -k >/dev/null 2>&1 || true
    sleep 1
    awk -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v s="$seconds" -v r="$rss" \
        'BEGIN {printf "%.2f %.2f %d\n", p / s / 1e6, x / s / 1e6, r}'
}

read -r floor_cpu floor_x floor_rss < <(measure idle_floor.exe) || exit 1
# The server was ended with the floor program; start the session again for the character.
"$ROOT/cmake/wine-session.sh" start "$wine_dir" >/dev/null || exit 1
xvfb=$(cat "$wine_dir/xvfb.pid")
read -r wt_cpu wt_x wt_rss < <(measure Whiskertime.exe) || exit 1

printf '%-22s %14s %16s %14s\n' "" "CPU ms/s" "X server ms/s" "RSS MiB"
awk -v c="$floor_cpu" -v x="$floor_x" -v r="$floor_rss" \
    'BEGIN {printf "%-22s %14.2f %16.2f %14.1f\n", "bare timer program", c, x, r / 1024}'
awk -v c="$wt_cpu" -v x="$wt_x" -v r="$wt_rss" \
    'BEGIN {printf "%-22s %14.2f %16.2f %14.1f\n", "Whiskertime.exe", c, x, r / 1024}'
awk -v fc="$floor_cpu" -v fx="$floor_x" -v fr="$floor_rss" -v wc="$wt_cpu" -v wx="$wt_x" \
    -v wr="$wt_rss" 'BEGIN {
        printf "process + X server: %.1fx the floor; resident memory: %+.1f MiB\n",
               (wc + wx) / (fc + fx), (wr - fr) / 1024 }'
