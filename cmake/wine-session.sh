#!/bin/bash
# wine-session.sh start|stop STATE_DIR
# start: an Xvfb display of its own, the Wine prefix (created once and kept), and one persistent
#        wineserver for every test that follows.
# stop:  ends the wineserver and the Xvfb that start began.
set -u
cmd=$1
state=$2
export WINEPREFIX="$state/prefix" WINEARCH=win64 WINEDEBUG=-all

stop() {
    if [ -d "$state/prefix" ]; then
        wineserver -k >/dev/null 2>&1
        # wineserver -k returns before the server has gone; wait for it.
        wineserver -w >/dev/null 2>&1
    fi
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break
            sleep 0.1
        done
        rm -f "$state/xvfb.pid"
    fi
    rm -f "$state/display"
}

start_xvfb() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
        echo $! > "$state/xvfb.pid"
        for _ in $(seq 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && { echo ":$n" > "$state/display"; return 0; }
            kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

reg() { wine reg add "$@" /f >/dev/null 2>&1; }

case $cmd in
start)
    mkdir -p "$state"
    stop  # a run that was interrupted may have left its processes behind
    start_xvfb || exit 1
    export DISPLAY=$(cat "$state/display")
    # The server outlives this script; its output must not hold ctest's pipe open.
    setsid wineserver -p >/dev/null 2>&1 </dev/null
    if [ ! -f "$state/prefix/.whiskertime-ready" ]; then
        rm -rf "$state/prefix"
        wineboot -i >/dev/null 2>&1 </dev/null || { echo "wineboot failed" >&2; exit 1; }
        reg 'HKCU\Software\Wine\Drivers' /v Audio /d ''
        reg 'HKCU\Software\Wine\Explorer' /v Desktop /d shell
        reg 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768
        # Restart the server so the desktop comes up with these settings.
        wineserver -k >/dev/null 2>&1
        wineserver -w >/dev/null 2>&1
        setsid wineserver -p >/dev/null 2>&1 </dev/null
        touch "$state/prefix/.whiskertime-ready"
    fi
    wine wineboot >/dev/null 2>&1 </dev/null
    echo "Wine ready on display $DISPLAY, prefix $WINEPREFIX"
    ;;
stop)
    stop
    echo "Wine stopped"
    ;;
*)
    echo "usage: $0 start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
