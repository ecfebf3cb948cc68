#!/usr/bin/env bash
# The Windows packages as a player meets them, under Wine on a private X server:
#   wine-session.sh BUILD_DIR HOLD_FILE_EXE   (a build of the windows preset; hold-file.cpp built)
# With OREBELL_SCREENSHOTS=<folder> the screenshots are kept there. Exit 77 (skipped) only when
# a tool is missing.
set -uo pipefail
build=$1
holdfile=$2
repo=$(cd "$(dirname "$0")/../../.." && pwd)
source "$repo/tests/e2e/session-common.sh"
need Xvfb openbox xdotool xprop import wine wineserver makensis zip unzip sqlite3 python3
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

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

apps="Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orebell"
# appsget <HKCU|HKLM> <name>: a value of Orebell's entry in Apps, as reg.exe prints it.
appsget() {
    wine reg query "$1\\$apps" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
hasEntry() { wine reg query "$1\\$apps" >/dev/null 2>&1; }

# 1. The silent installer, for the current user: the default.
wine "$installer" /S >"$work/install.out" 2>"$work/install.err"
wineserver -w
instdir="$appdata/Local/Programs/Orebell"
wininstdir="C:\\users\\$user\\AppData\\Local\\Programs\\Orebell"
exe="$instdir/Orebell_III.exe"
[ -f "$exe" ] || fail "the installer did not put Orebell_III.exe in $instdir"
[ -f "$instdir/platforms/qwindows.dll" ] || fail "the installer did not put Qt's windows plugin beside the program"
[ -f "$instdir/end_cycle.wav" ] && [ -f "$instdir/Help.rtf" ] || fail "the sounds and help are not beside the program"
shortcut="$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Orebell.lnk"
[ -f "$shortcut" ] || fail "no Start-menu entry"
hasEntry HKLM && fail "an install for the current user wrote an entry for all users"
echo "installed for the current user in $instdir, with a Start-menu entry"

# What Settings > Apps shows of it.
[ "$(appsget HKCU DisplayVersion)" = "$version" ] || fail "the Apps entry has version '$(appsget HKCU DisplayVersion)', not $version"
[ -n "$(appsget HKCU Publisher)" ] || fail "the Apps entry names no publisher"
icon=$(appsget HKCU DisplayIcon)
[ "${icon%,0}" = "$wininstdir\\Orebell_III.exe" ] || fail "the Apps entry's icon is '$icon', not the program's"
size=$(($(appsget HKCU EstimatedSize)))
actual=$(du -sk "$instdir" | cut -f1)
[ "$size" -gt $((actual * 9 / 10)) ] && [ "$size" -lt $((actual * 11 / 10)) ] ||
    fail "the Apps entry gives a size of ${size} KB for a folder of ${actual} KB"
# What Windows reads from the installed .exe (a stripped copy of the build's) before it runs it.
python3 "$repo/tests/windows/e2e/program-resources.py" "$build" "$exe" >"$work/resources.out" 2>"$work/resources.err" ||
    fail "the installed Orebell_III.exe: $(cat "$work/resources.err")"
echo "the Apps entry: version $version, $(appsget HKCU Publisher), the program's icon, $size KB; the manifest is in the .exe"

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

# The uninstallers below: what a player sees afterwards.
files=$(cd "$instdir" && find . -type f | sort)
gone() { # gone <what>: the program, its folder, Start-menu entry and Apps entry are gone
    [ -f "$exe" ] && fail "$1 left the program"
    [ -d "$instdir" ] && fail "$1 left the program's folder: $(cd "$instdir" && find . | head)"
    [ -f "$shortcut" ] && fail "$1 left the Start-menu entry"
    hasEntry HKCU && fail "$1 left the Apps entry"
    [ "$(regget "mshflexOreMined 1" "Units Mined")" = "$units" ] || fail "$1 removed the player's settings"
    [ -f "$log" ] || fail "$1 removed the mining log"
    return 0
}
kept() { # kept <what>: nothing of the install was removed
    [ "$(cd "$instdir" 2>/dev/null && find . -type f | sort)" = "$files" ] || fail "$1 removed some files and left others"
    [ -f "$shortcut" ] || fail "$1 removed the Start-menu entry"
    hasEntry HKCU || fail "$1 removed the Apps entry"
    return 0
}
# Bounded: an Orebell the uninstaller left running would keep wineserver -w waiting for ever.
waitGone() { for _ in $(seq 1 300); do [ -d "$instdir" ] || break; sleep 0.1; done; timeout 60 wineserver -w; }
moveAway() { # moves the window, so that the position the exit saves differs from the one stored
    before=$(regget frmOrebell Xpos)
    timeout 10 xdotool windowmove "$wid" $((RANDOM % 200 + 300)) 200 >/dev/null 2>&1
    sleep 1
}
savedAtExit() {
    kill -0 "$pid" 2>/dev/null && fail "$1: Orebell still runs"
    [ "$(regget frmOrebell Xpos)" != "$before" ] || fail "$1: Orebell's exit did not save (Xpos still $before)"
    return 0
}

# 7. The silent uninstaller, as run from the program's folder, without arguments, while Orebell
# runs: Orebell is closed (its exit save runs), and everything of the install goes.
start running
moveAway
(cd "$instdir" && wine Uninstall.exe /S) >"$work/uninstall.out" 2>"$work/uninstall.err"
waitGone
savedAtExit "the silent uninstaller"
gone "the silent uninstaller run from the folder"
echo "Uninstall.exe /S from the folder while Orebell ran: closed it (its exit saved), removed everything but the player's data"

# 8. The installer as a player meets it, Enter on every page: for the current user, and Orebell
# started from its last page; then Uninstall.exe from the program's folder while Orebell runs.
# pressEnter <title regex> <screenshot> [window to pass over]: Enter in such a window once shown;
# sets entered to the window.
entered=
pressEnter() {
    local w=
    for _ in $(seq 1 150); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -v -x -e "${3:-none}" | head -1)
        [ -n "$w" ] && break
        sleep 0.1
    done
    [ -n "$w" ] || fail "no window '$1' for the $2 step"
    sleep 0.7
    screenshot "$2"
    xdotool windowactivate --sync "$w" key Return >/dev/null 2>&1
    entered=$w
}
wine "$installer" >"$work/install2.out" 2>"$work/install2.err" &
pids+=($!)
pressEnter 'Orebell .* Setup' installer-welcome
pressEnter 'Orebell .* Setup' installer-mode
pressEnter 'Orebell .* Setup' installer-folder
for _ in $(seq 1 600); do [ -n "$(appsget HKCU EstimatedSize)" ] && break; sleep 0.2; done
sleep 1
pressEnter 'Orebell .* Setup' installer-finish
[ -f "$exe" ] || fail "the installer's defaults did not install for the current user (nothing in $instdir)"
hasEntry HKLM && fail "the installer's defaults installed for all users"
waitWindow wid '^Orebell$' || fail "the installer's last page did not start Orebell"
pid=$(xdotool getwindowpid "$wid")
moveAway
(cd "$instdir" && wine Uninstall.exe) >"$work/uninstall2.out" 2>"$work/uninstall2.err" &
pids+=($!)
pressEnter 'Orebell .* Uninstall' uninstaller-confirm
# Orebell runs: the uninstaller asks in a second window of its own; Enter is OK, close it.
pressEnter 'Orebell .* Uninstall' uninstaller-running "$entered"
for _ in $(seq 1 300); do [ -f "$exe" ] || break; sleep 0.1; done
pressEnter 'Orebell .* Uninstall' uninstaller-done
waitGone
savedAtExit "the uninstaller"
gone "Uninstall.exe from the folder"
echo "installed with Enter on every page: for the current user, Orebell started; Uninstall.exe from the folder asked, closed it (its exit saved) and removed everything"

# 9. Orebell does not answer (stopped): the uninstaller refuses, with nothing removed and a
# failure the caller sees (exit code, with _?=).
wine "$installer" /S >"$work/install3.out" 2>"$work/install3.err"
wineserver -w
start stopped
kill -STOP "$pid"
wine "$instdir/Uninstall.exe" /S "_?=$wininstdir" >"$work/uninstall3.out" 2>"$work/uninstall3.err"
status=$?
kill -CONT "$pid"
[ "$status" -ne 0 ] || fail "the uninstaller reported success while Orebell did not close"
kept "the uninstaller, Orebell not closing,"
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && stop
echo "a stopped Orebell: the uninstaller ended with exit code $status and removed nothing"

# 10. A file in use by another program: the uninstaller says it failed and keeps its entry, for
# another try that then succeeds.
wine "$holdfile" "$wininstdir\\orebell-log.dll" 60 >"$work/hold.out" 2>"$work/hold.err" &
holder=$!
pids+=($holder)
for _ in $(seq 1 100); do grep -q held "$work/hold.out" && break; sleep 0.1; done
grep -q held "$work/hold.out" || fail "the test could not hold a file of the program"
wine "$instdir/Uninstall.exe" /S "_?=$wininstdir" >"$work/uninstall4.out" 2>"$work/uninstall4.err"
status=$?
[ "$status" -ne 0 ] || fail "the uninstaller reported success with orebell-log.dll in use"
[ -f "$instdir/orebell-log.dll" ] && [ -f "$instdir/Uninstall.exe" ] && [ -f "$shortcut" ] && hasEntry HKCU ||
    fail "the uninstaller, a file in use, did not keep that file, itself, its Start-menu entry and its Apps entry"
kill "$holder"; wait "$holder" 2>/dev/null
wine "$instdir/Uninstall.exe" /S >"$work/uninstall5.out" 2>"$work/uninstall5.err"
waitGone
gone "the second try"
echo "a file in use: exit code $status, the entry kept; the second try removed everything"

# 11. For all users: the uninstaller, without arguments, undoes that.
wine "$installer" /S /AllUsers >"$work/install4.out" 2>"$work/install4.err"
wineserver -w
allusers="$WINEPREFIX/drive_c/Program Files/Orebell"
allshortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orebell.lnk"
[ -f "$allusers/Orebell_III.exe" ] && [ -f "$allshortcut" ] && hasEntry HKLM || fail "/AllUsers did not install for all users"
hasEntry HKCU && fail "/AllUsers wrote an entry for the current user"
wine "$allusers/Uninstall.exe" /S >"$work/uninstall6.out" 2>"$work/uninstall6.err"
for _ in $(seq 1 300); do [ -d "$allusers" ] || break; sleep 0.1; done
timeout 60 wineserver -w
[ -d "$allusers" ] && fail "the uninstaller left the all-users folder"
[ -f "$allshortcut" ] && fail "the uninstaller left the all-users Start-menu entry"
hasEntry HKLM && fail "the uninstaller left the all-users Apps entry"
echo "for all users: Uninstall.exe /S removed the folder, the Start-menu entry and the Apps entry"
wineserver -k 2>/dev/null; wineserver -w 2>/dev/null # nothing writes the prefix while it is removed
echo "PASS"
