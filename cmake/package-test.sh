#!/bin/bash
# package-test.sh BUILD_DIR
# The packages as a Windows user meets them, in a fresh Wine prefix and an Xvfb of their own, so
# that nothing here touches the other tests' desktop: a silent install, the installed program, a
# silent upgrade and uninstall that keep the user's data, and the zip run where it is unpacked.
set -u
build=$1
export WINEARCH=win64 WINEDEBUG=-all
work="$build/package-test"
export WINEPREFIX="$work/prefix"
failures=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
xvfb=
finish() {
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
}
trap finish EXIT
for n in $(seq 141 190); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    xvfb=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    export DISPLAY=":$n"
    break
done
[ -n "$xvfb" ] || { echo "could not start Xvfb"; exit 1; }

(cd "$build" && cpack >/dev/null) || { echo "cpack failed"; exit 1; }
installer=$(ls "$build"/packages/Whiskertime-*-win64.exe | head -n 1)
zip=$(ls "$build"/packages/Whiskertime-*-win64.zip | head -n 1)
finder="Z:$build/tests/e2e/find_character.exe"

rm -rf "$work"
mkdir -p "$work"
setsid wineserver -p >/dev/null 2>&1 </dev/null
wineboot -i >/dev/null 2>&1 </dev/null || { echo "wineboot failed"; exit 1; }
wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1

localappdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
appdata=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
win_dir="$localappdata\\Programs\\Whiskertime"
dir=$(winepath -u "$win_dir" 2>/dev/null)
shortcut="$(winepath -u "$appdata" 2>/dev/null)/Microsoft/Windows/Start Menu/Programs/Whiskertime.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Whiskertime'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# A silent install.
wine "$installer" /S >/dev/null 2>&1
for f in Whiskertime.exe Scurrylog.dll zizi.wav mouse.skin Help/help.html Uninstall.exe; do
    check "installed $f" test -f "$dir/$f"
done
check "installed StudyEvent\\" test -d "$dir/StudyEvent"
check "a Start menu shortcut" test -f "$shortcut"
check "an entry in the installed programs" wine reg query "$uninstall_key" /v UninstallString

# The installed program starts and shows its character.
wine "$dir/Whiskertime.exe" >/dev/null 2>&1 &
check "the installed program shows its character" wine "$finder" exit

# The user's data survives a silent upgrade and a silent uninstall; auto start's value does not.
printf '[2030-01-01 08:00]\r\nMESSAGE=kept across upgrades\r\nEVENT=\r\n' > "$work/store.ini"
cp "$work/store.ini" "$dir/userconfig.ini"
printf 'recording' > "$dir/StudyEvent/mine.sty"
printf '# my own colours\r\ndialog=#102030\r\n' > "$work/skin"
cp "$work/skin" "$dir/mouse.skin"
wine reg add "$run_key" /v whiskertime /d "$win_dir\\Whiskertime.exe" /f >/dev/null 2>&1
# The upgrade ends the running copy first, as its "exit" does (Wine would let it write over the
# running file; Windows would not).
running() { pgrep -f 'Programs.Whiskertime.Whiskertime\.exe' >/dev/null; }
wine "$dir/Whiskertime.exe" >/dev/null 2>&1 &
wine "$finder" >/dev/null 2>&1
check "the installed program runs before the upgrade" running
wine "$installer" /S >/dev/null 2>&1
check "the upgrade ended the running copy" bash -c "! pgrep -f 'Programs.Whiskertime.Whiskertime\\.exe' >/dev/null"
check "an edited mouse.skin survives the upgrade" cmp -s "$work/skin" "$dir/mouse.skin"
check "the reminder survives an upgrade" cmp -s "$work/store.ini" "$dir/userconfig.ini"
check "the program is there after the upgrade" test -f "$dir/Whiskertime.exe"
# As the list of installed programs runs it: the uninstaller hands over to a copy of itself, which
# can delete the original; wait for that copy to finish.
wine "$dir/Whiskertime.exe" >/dev/null 2>&1 &
wine "$finder" >/dev/null 2>&1
wine "$dir/Uninstall.exe" /S >/dev/null 2>&1
for _ in $(seq 100); do
    [ -e "$dir/Uninstall.exe" ] || [ -e "$dir/Whiskertime.exe" ] || break
    sleep 0.2
done
sleep 1
for f in Whiskertime.exe Scurrylog.dll zizi.wav mouse.skin Help Uninstall.exe; do
    check "uninstalled $f" test ! -e "$dir/$f"
done
check "the uninstall ended the running copy" bash -c "! pgrep -f 'Programs.Whiskertime.Whiskertime\\.exe' >/dev/null"
check "the reminder survives the uninstall" cmp -s "$work/store.ini" "$dir/userconfig.ini"
check "the recording survives the uninstall" test -f "$dir/StudyEvent/mine.sty"
# The installed program kept the moment it last looked at the reminders; it stays with them.
check "the scheduler's record survives the uninstall" test -f "$dir/scheduler.state"
check "no Run value is left" bash -c "! wine reg query '$run_key' /v whiskertime >/dev/null 2>&1"
check "no entry in the installed programs is left" \
    bash -c "! wine reg query '$uninstall_key' >/dev/null 2>&1"
check "no Start menu shortcut is left" test ! -e "$shortcut"

# The zip, unpacked anywhere, runs as it is.
mkdir -p "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
unpacked=$(ls -d "$work"/unpacked/Whiskertime-*-win64 | head -n 1)
wine "$unpacked/Whiskertime.exe" >/dev/null 2>&1 &
check "the unpacked zip shows its character" wine "$finder" exit

echo "$failures failed"
[ "$failures" -eq 0 ]
