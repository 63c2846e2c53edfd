#!/bin/bash
# Builds the Windows packages with cpack: the per-user installer Whiskertime-<version>-win64.exe
# (NSIS) and the portable Whiskertime-<version>-win64.zip, into build/win32/packages/. Installs
# what is missing first.
set -u
source "$(dirname "$0")/common.sh"
ensure_packages || exit 1
configure_win32 "$BUILD/win32" && ninja -C "$BUILD/win32" Whiskertime Scurrylog || exit 1
(cd "$BUILD/win32" && cpack) || exit 1
ls -l "$BUILD/win32/packages/"
