#!/usr/bin/env bash
# The Windows packages as a player meets them, under Wine on a private X server:
#   wine-session.sh BUILD_DIR       (a build of the windows preset)
# With OREBELL_SCREENSHOTS=<folder> the screenshots are kept there. Exit 77 (skipped) only when
# a tool is missing.
set -uo pipefail
build=$1
repo=$(cd "$(dirname "$0")/../../.." && pwd)
source "$repo/tests/e2e/session-common.sh"
need Xvfb openbox xdotool xprop import wine wineserver makensis zip unzip sqlite3

"$repo/scripts/windows/package.sh" "$build" >"$work/package.out" 2>"$work/package.err" || fail "the packages could not be made"
installer=$(ls "$build"/package/Orebell-*-setup.exe)
zip=$(ls "$build"/package/Orebell-*-windows-x64.zip)

start_xvfb
start_openbox
unset QT_QPA_PLATFORM # Qt for Windows has its own platform; Wine draws on the X server
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wineboot -i >/dev/null 2>&1
wineserver -w
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x -e Public | head -1)
appdata="$WINEPREFIX/drive_c/users/$user/AppData"
shots=${OREBELL_SCREENSHOTS:-$work/shots}
mkdir -p "$shots"
screenshot() { import -window root "$shots/$1.png"; }

store="HKCU\\Software\\VB and VBA Program Settings\\Orebell_III"
# regget <section> <name>: a value of the program's store, as reg.exe prints it.
regget() {
    wine reg query "$store\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_SZ *//p"
}
regset() { wine reg add "$store\\$1" /v "$2" /d "$3" /f >/dev/null 2>&1; }

# A program window by its title, visible, waited for; sets the named variable.
waitWindow() { # waitWindow <var> <title regex> [tries]
    local found=
    for _ in $(seq 1 "${3:-300}"); do
        found=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -1)
        [ -n "$found" ] && break
        sleep 0.1
    done
    printf -v "$1" '%s' "$found"
    [ -n "$found" ]
}

# 1. The silent installer, for the current user.
wine "$installer" /S /CurrentUser >"$work/install.out" 2>"$work/install.err"
wineserver -w
instdir="$appdata/Local/Programs/Orebell"
exe="$instdir/Orebell_III.exe"
[ -f "$exe" ] || fail "the installer did not put Orebell_III.exe in $instdir"
[ -f "$instdir/platforms/qwindows.dll" ] || fail "the installer did not put Qt's windows plugin beside the program"
[ -f "$instdir/end_cycle.wav" ] && [ -f "$instdir/Help.rtf" ] || fail "the sounds and help are not beside the program"
shortcut="$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Orebell.lnk"
[ -f "$shortcut" ] || fail "no Start-menu entry"
echo "installed for the current user in $instdir, with a Start-menu entry"

# Two laser panels; laser 1 has an asteroid to mine.
regset Settings txtLasers0 2
regset Settings txtSizeOfRoid0 20000
regset Settings txtMiningRate0 500

pid=
wid=
start() { # start <name>: the installed program, waited for until its window shows
    wine "$exe" >"$work/$1.out" 2>"$work/$1.err" &
    pid=$!
    pids+=($pid)
    waitWindow wid '^Orebell$' || fail "$1: no window"
    sleep 1
}
stop() { # an orderly close, as Windows asks a program at logoff or from the task manager
    wine taskkill /IM Orebell_III.exe >/dev/null 2>&1
    for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "the program did not close when asked"
    return 0
}
shot() { # shot <x> <y> <w> <h>: a checksum of a rectangle of the window
    local x y
    read -r x y < <(xdotool getwindowgeometry "$wid" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p')
    import -window root -crop "$3x$4+$((x + $1))+$((y + $2))" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}
panel() { shot 198 86 73 62; }
running() { local a; a=$(panel); sleep 1.3; [ "$a" != "$(panel)" ]; }

# 2. The window as a player sees it, then a global key while Wine's notepad has the focus.
start first
screenshot first-run
colours=$(import -window root -crop 400x300+0+0 -format '%k' info: 2>/dev/null)
[ "${colours:-0}" -gt 8 ] || fail "the window shows a blank frame ($colours colours)"
wine notepad >"$work/notepad.out" 2>"$work/notepad.err" &
pids+=($!)
waitWindow notepad 'Notepad' || fail "notepad did not start"
xdotool windowactivate --sync "$notepad" >/dev/null 2>&1
sleep 0.5
[ "$(xdotool getwindowfocus)" = "$notepad" ] || fail "notepad does not have the focus"
running && fail "laser 1 runs before any key"
xdotool key ctrl+alt+1
sleep 1
running || fail "Ctrl+Alt+1 with notepad focused did not start laser 1"
[ "$(xdotool getwindowfocus)" = "$notepad" ] || fail "the key took the focus from notepad"
screenshot laser-running
echo "Ctrl+Alt+1 with notepad focused started laser 1; notepad kept the focus"
sleep 2
xdotool key ctrl+alt+1 # stops it: the ore mined so far is credited
sleep 1

# 3. The close saves to the registry; the window goes where the player put it.
timeout 10 xdotool windowmove "$wid" 240 180 >/dev/null 2>&1
sleep 1
read -r movedX movedY < <(xdotool getwindowgeometry "$wid" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p')
stop
[ "$(regget GlobalKeys Laser1)" = "Ctrl+Alt+1" ] || fail "the global keys were not written to the registry"
units=$(regget "mshflexOreMined 1" "Units Mined")
[ -n "$units" ] && [ "${units%%[.,]*}" -gt 0 ] 2>/dev/null || fail "no ore credited in the registry (units: '$units')"
xpos=$(regget frmOrebell Xpos)
[ -n "$xpos" ] || fail "the window's place was not written"
echo "the close wrote the registry: Laser1=Ctrl+Alt+1, $units units mined, Xpos=$xpos"

# 4. The next start restores it.
start second
read -r x y < <(xdotool getwindowgeometry "$wid" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p')
[ $((x - movedX)) -le 2 ] && [ $((movedX - x)) -le 2 ] && [ $((y - movedY)) -le 2 ] && [ $((movedY - y)) -le 2 ] ||
    fail "the second start put the window at $x,$y, not where it was left ($movedX,$movedY)"
screenshot second-start
stop
[ "$(regget "mshflexOreMined 1" "Units Mined")" = "$units" ] || fail "the second run lost the ore of the first"
echo "the second start came back at $x,$y with the ore of the first"

# 5. The trip is in the mining log, in the user's AppData.
log="$appdata/Local/Orebell/mining-log.sqlite"
[ -f "$log" ] || fail "no mining log at $log"
trips=$(sqlite3 "file:$log?mode=ro" 'SELECT count(*) FROM trips' 2>&1)
[ "$trips" -ge 1 ] 2>/dev/null || fail "the mining log holds no trip ($trips)"
echo "the mining log in AppData holds $trips trip(s)"

# 6. The portable zip runs where it is unpacked; without its platform plugin it says so.
unzip -q "$zip" -d "$work/portable"
portable="$work/portable/Orebell/Orebell_III.exe"
wine "$portable" >"$work/portable.out" 2>"$work/portable.err" &
pid=$!
pids+=($pid)
waitWindow wid '^Orebell$' || fail "the program from the zip shows no window"
sleep 1
stop
rm "$work/portable/Orebell/platforms/qwindows.dll"
wine "$portable" >"$work/noplugin.out" 2>"$work/noplugin.err" &
pids+=($!)
waitWindow box '^Orebell_III$' 200 || fail "a missing platform plugin ended the program without a word"
screenshot missing-plugin
xdotool windowactivate --sync "$box" key Return >/dev/null 2>&1
echo "the zip runs where it is unpacked; a missing plugin is reported in a message box"
wineserver -k 2>/dev/null; wineserver -w 2>/dev/null

# 7. The silent uninstaller removes the program and leaves the player's settings and log.
wine "$instdir/Uninstall.exe" /S /CurrentUser >"$work/uninstall.out" 2>"$work/uninstall.err"
for _ in $(seq 1 100); do [ -f "$exe" ] || break; sleep 0.1; done
wineserver -w
[ -f "$exe" ] && fail "the uninstaller left the program"
[ -f "$shortcut" ] && fail "the uninstaller left the Start-menu entry"
[ -d "$instdir" ] && fail "the uninstaller left the program's folder: $(ls -R "$instdir" | head)"
[ "$(regget "mshflexOreMined 1" "Units Mined")" = "$units" ] || fail "the uninstaller removed the player's settings"
[ -f "$log" ] || fail "the uninstaller removed the mining log"
echo "uninstalled: the program and its entry are gone, the settings and the mining log are kept"
echo "PASS"
