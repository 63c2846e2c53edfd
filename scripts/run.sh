#!/bin/bash
# Builds Whiskertime and starts it under Wine: on your display when there is one, otherwise in an
# Xvfb of its own. Installs what is missing first. Runs until the program exits (tray menu "exit")
# or you press Ctrl+C.
set -u
source "$(dirname "$0")/common.sh"
ensure_packages || exit 1
configure_win32 "$BUILD/win32" && ninja -C "$BUILD/win32" Whiskertime || exit 1

export WINEPREFIX="$BUILD/run-prefix" WINEARCH=win64 WINEDEBUG=-all
xvfb_pid=
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT INT TERM

exe="$BUILD/win32/Whiskertime/Whiskertime.exe"
run=(wine "$exe")
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    for n in $(seq 60 99); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    echo "No display found: Whiskertime runs in Xvfb on $DISPLAY."
    echo "Look at it with:  DISPLAY=$DISPLAY import -window root whiskertime.png"
    # A Wine desktop with a taskbar, so the tray icon and "show mouse" have their places.
    run=(wine explorer /desktop=Whiskertime,1024x768 "$exe")
fi
if [ ! -d "$WINEPREFIX" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1
fi
echo "Starting $exe (Ctrl+C to stop)"
"${run[@]}"
