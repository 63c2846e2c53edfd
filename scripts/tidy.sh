#!/bin/bash
# scripts/tidy.sh: the static analysis of .clang-tidy over the program's and the capture
# library's sources, as the Win32 build compiles them (the cores too, since that build has
# them), and the native build's own clock file. Prints each finding; exits 1 when there is any.
# Needs both builds configured; scripts/test.sh runs it. TIDY_JOBS sets how many run at once (2).
set -u
source "$(dirname "$0")/common.sh"
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
# clang reads the MinGW headers of the C++ library and the platform, with its own intrinsics.
args=(--quiet --extra-arg=--target=x86_64-w64-mingw32
      "--extra-arg=-isystem$gcc_dir/include/c++"
      "--extra-arg=-isystem$gcc_dir/include/c++/x86_64-w64-mingw32"
      --extra-arg=-isystem/usr/x86_64-w64-mingw32/include)
findings=$(mktemp)
cd "$ROOT" || exit 1
git ls-files 'app/*.cpp' 'common/*.cpp' 'capture/*.cpp' | grep -v 'local_clock_crt' |
    xargs -P"${TIDY_JOBS:-2}" -n4 clang-tidy -p "$BUILD/win32" "${args[@]}" 2>/dev/null |
    grep -E '^/.*: (warning|error):' >> "$findings"
clang-tidy --quiet -p "$BUILD/native" app/reminders/local_clock_crt.cpp 2>/dev/null |
    grep -E '^/.*: (warning|error):' >> "$findings"
sort -u "$findings"
count=$(sort -u "$findings" | wc -l)
rm -f "$findings"
echo "static analysis: $count findings"
[ "$count" -eq 0 ]
