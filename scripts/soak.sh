#!/bin/bash
# scripts/soak.sh MINUTES
# Runs the real Whiskertime.exe under Wine with a reminder falling due every minute (a message
# each; no event, a program event and a study event in turn) and prints, once a minute, the fires
# so far, the program event's launches, the process's handle count, its resident memory and its
# threads. Flat columns (but for the counts) mean nothing leaks. Not part of the test command.
set -u
source "$(dirname "$0")/common.sh"
minutes=${1:-30}
ensure_packages || exit 1
configure_win32 "$BUILD/win32" && ninja -C "$BUILD/win32" Whiskertime soak_monitor || exit 1

start_private_wine soak || exit 1

printf '%6s %6s %8s %8s %9s %7s\n' minute fires launches handles rss_kib threads
"$wine_dir/wine-run" "$BUILD/win32/bench/win32/soak_monitor.exe" "Z:$copy" "$minutes" |
    while read -r minute fires launches handles; do
        [[ $minute =~ ^[0-9]+$ ]] || continue
        handles=${handles%$'\r'}
        pid=$(pgrep -f 'soak.installation.Whiskertime\.exe' | head -n 1)
        rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        threads=$(awk '/^Threads/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        printf '%6s %6s %8s %8s %9s %7s\n' "$minute" "$fires" "$launches" "$handles" "${rss:--}" \
            "${threads:--}"
    done
