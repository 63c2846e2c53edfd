#!/bin/bash
# Builds the benchmarks optimised and without sanitizers, and runs them.
set -u
source "$(dirname "$0")/common.sh"
ensure_packages || exit 1
configure_native "$BUILD/bench" -DCMAKE_BUILD_TYPE=Release -DWHISKERTIME_SANITIZE=OFF -DBUILD_TESTING=OFF
ninja -C "$BUILD/bench" || exit 1
for b in "$BUILD"/bench/bench/bench_*; do
    [ -x "$b" ] && "$b" "$@"
done

# Playback timing needs the real platform: the harness runs under Wine, in the Win32 build's own
# prefix and display.
configure_win32 "$BUILD/win32" && ninja -C "$BUILD/win32" bench_playback_timing || exit 1
wine_dir="$BUILD/win32/wine"
"$ROOT/cmake/wine-session.sh" start "$wine_dir" >/dev/null || exit 1
"$wine_dir/wine-run" "$BUILD/win32/bench/win32/bench_playback_timing.exe"
"$ROOT/cmake/wine-session.sh" stop "$wine_dir" >/dev/null
