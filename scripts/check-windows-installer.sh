#!/usr/bin/env bash
# Checks the Windows installer under Wine, in a Wine prefix of its own, as a user without
# administrator rights: a silent install without and then with start at login, the files, the
# Start-menu entry and the registry; then events and settings put where the program keeps them,
# a silent uninstall, and that those stay while everything installed goes.
# Usage: scripts/check-windows-installer.sh SETUP.EXE STAGE_FOLDER (scripts/package-windows.sh
# makes both). About 30 s, most of it making the prefix.
set -euo pipefail
setup=$(realpath "$1")
stage=$(realpath "$2")
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "installer: $*" >&2; exit 1; }

wineboot -i >/dev/null 2>&1 || true
wineserver -w
# wine's console output ends its lines with CR
winevar() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
local_appdata=$(winevar LOCALAPPDATA)
appdata=$(winevar APPDATA)
program="$local_appdata\\Programs\\Candlewatcher\\candlewatcher.exe"
installed=$(winepath -u "$local_appdata\\Programs\\Candlewatcher")
shortcut=$(winepath -u "$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Candlewatcher.lnk")
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Candlewatcher'
settings_key='HKCU\Software\Marrowfell\Candlewatcher\Settings'
# A value's data as reg prints it, or nothing when the value is not there.
regvalue() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"; }
files() { (cd "$1" && find . -type f | sort); }
run() { wine "$@" >/dev/null 2>&1 || fail "$* ended with $?"; wineserver -w; }

run "$setup" /S
[[ -z $(regvalue "$run_key" Candlewatcher) ]] || fail "start at login was set without being chosen"
run "$setup" /S /AUTOSTART
[[ $(files "$installed") == $( (files "$stage"; echo ./uninstall.exe) | sort) ]] ||
    fail "the installed files are not the package's: $(diff <(files "$installed") <(files "$stage"))"
[[ -f $shortcut ]] || fail "no Start-menu entry at $shortcut"
# Exactly what the program's own preference writes, so that it shows as chosen there.
[[ $(regvalue "$run_key" Candlewatcher) == "\"$program\"" ]] ||
    fail "start at login is '$(regvalue "$run_key" Candlewatcher)', not \"$program\""
[[ $(regvalue "$uninstall_key" UninstallString) == "\"${program%\\*}\\uninstall.exe\"" ]] ||
    fail "the uninstaller is not listed under $uninstall_key"

# The user's events beside the program and in the application-data folder, and a setting.
echo beside >"$installed/birthday.dat"
data=$(winepath -u "$appdata\\Marrowfell\\Candlewatcher")
mkdir -p "$data" && echo appdata >"$data/birthday.dat"
wine reg add "$settings_key" /v DateLocale /d de /f >/dev/null 2>&1
run "$installed/uninstall.exe" /S

[[ $(files "$installed") == ./birthday.dat && $(cat "$installed/birthday.dat") == beside ]] ||
    fail "the uninstaller left $(files "$installed" | tr '\n' ' ')instead of the events alone"
[[ $(cat "$data/birthday.dat") == appdata ]] || fail "the application-data events went"
[[ $(regvalue "$settings_key" DateLocale) == de ]] || fail "the settings went"
[[ ! -e $shortcut ]] || fail "the Start-menu entry stayed"
[[ -z $(regvalue "$run_key" Candlewatcher) ]] || fail "start at login stayed"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller is still listed"
echo "installer: installed, started at login, uninstalled; the events and settings stayed"
