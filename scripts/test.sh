#!/bin/bash
# Runs every test: the native unit tests and fuzz smoke runs (ASan + UBSan), then the Win32 tests
# and end-to-end checks under Wine in an Xvfb of their own. Installs what is missing first.
set -u
source "$(dirname "$0")/common.sh"
ensure_packages || exit 1

passed=0
failed=0
retried=()
status=0
run_ctest() {
    local dir=$1 log
    shift
    log=$(mktemp)
    (cd "$dir" && ctest --output-on-failure --timeout 600 -j2 "$@") 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
    local line
    # A test that failed and then passed on its retry: named, so that one that starts to flake
    # shows.
    local name
    while read -r name; do
        grep -F -- ": $name " "$log" | grep -q ' Passed ' && retried+=("$name")
    done < <(grep -oE 'Test +#[0-9]+: [^ ]+ \.+\*\*\*(Failed|Timeout|Exception)' "$log" |
        sed -E 's/Test +#[0-9]+: ([^ ]+) .*/\1/' | sort -u)
    line=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=$((failed + BASH_REMATCH[1]))
        passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    else
        status=1
    fi
    rm -f "$log"
}

echo "== formatting"
# Every source as the pinned .clang-format has it.
if ! (cd "$ROOT" && git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror); then
    echo "FAILED: sources that clang-format would change (run clang-format -i on them)"
    status=1
fi

echo "== native build"
configure_native "$BUILD/native" && ninja -C "$BUILD/native" || exit 1
run_ctest "$BUILD/native"

echo "== Win32 build"
configure_win32 "$BUILD/win32" && ninja -C "$BUILD/win32" || exit 1
# The static analysis meanwhile, on one core at low priority: the Wine tests mostly wait on
# clocks, and the other core stays theirs.
tidy_log=$(mktemp)
TIDY_JOBS=1 nice -n 19 bash "$ROOT/scripts/tidy.sh" > "$tidy_log" 2>&1 &
tidy_pid=$!
# Real pointer input through Wine into Xvfb is now and then out of step with the program (a press
# lands before the pointer has arrived); such a test gets one more try, and the log shows it.
run_ctest "$BUILD/win32" --repeat until-pass:2

echo "== static analysis"
wait "$tidy_pid" || status=1
cat "$tidy_log"
rm -f "$tidy_log"

echo "$passed passed, $failed failed"
if [ ${#retried[@]} -gt 0 ]; then
    echo "passed on their retry: ${retried[*]}"
fi
exit $status
