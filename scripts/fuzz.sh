#!/bin/bash
# scripts/fuzz.sh TARGET [SECONDS]   e.g. scripts/fuzz.sh fuzz_reminder_loader 300
# Runs a libFuzzer target (ASan + UBSan) on its seed corpus; new inputs are kept under build/.
set -u
source "$(dirname "$0")/common.sh"
target=${1:?usage: fuzz.sh TARGET [SECONDS]}
seconds=${2:-300}
ensure_packages || exit 1
configure_native "$BUILD/native" && ninja -C "$BUILD/native" "$target" || exit 1
corpus="$BUILD/fuzz-corpus/$target"
mkdir -p "$corpus"
cd "$BUILD" && "$BUILD/native/tests/fuzz/$target" -max_total_time="$seconds" -max_len=65536 \
    -print_final_stats=1 "$corpus" "$ROOT/tests/fuzz/corpus/$target"
