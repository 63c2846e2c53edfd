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
