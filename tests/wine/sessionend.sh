#!/usr/bin/env bash
# The tray program under Wine, on an X server of its own: its event due today as the tray's
# balloon, and the session's end (wineboot --end-session: WM_QUERYENDSESSION, WM_ENDSESSION):
# it ends within seconds, without a question, its layout written to the registry and the data
# file compacted, its event kept. Exits 77 without Xvfb.   sessionend.sh CANDLEWATCHER.EXE
set -u
program=${1:?program}
command -v Xvfb >/dev/null || { echo "SKIP: no Xvfb"; exit 77; }
work=$(mktemp -d /tmp/candlewatcher-wine.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work"/*.log 2>/dev/null | tail -n 20; exit 1; }
until_true() { # SECONDS COMMAND...
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do "$@" && return 0 || sleep 0.1; done
    return 1
}
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 & pids+=($!)
until_true 10 test -s "$work/display" || { echo "SKIP: Xvfb could not start"; exit 77; }
export DISPLAY=":$(head -n 1 "$work/display")"
# The prefix's Wine server and its desktop process start again on this display.
wineserver -k 2>/dev/null; wineserver -w
settings='HKCU\Software\Marrowfell\Candlewatcher\Settings'
# This starts Wine's desktop process, whose tray traces each balloon's title and text here.
WINEDEBUG=+tooltips wine reg delete "$settings" /f >/dev/null 2>"$work/tray.trace"
wine reg add "$settings" /v ShowRemindersAs /d Notifications /f >/dev/null 2>&1
has_setting() { wine reg query "$settings" /v "$1" >/dev/null 2>&1; }

# A copy marked portable, so its data file is beside it; one event, due today.
mkdir "$work/app" && cp "$program" "$work/app/" && touch "$work/app/portable"
exe=$work/app/$(basename "$program")
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//EN\r\nBEGIN:VEVENT\r\nUID:1\r\n%s\r\n%s\r\n' \
    "DTSTAMP:20240101T000000Z" "DTSTART;VALUE=DATE:2000$(date +%m%d)" >"$work/seed.ics"
printf 'RRULE:FREQ=YEARLY\r\nSUMMARY:Ada Lovelace\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >>"$work/seed.ics"
wine "$exe" --import "$work/seed.ics" >"$work/import.log" 2>&1 || fail "could not import"
seeded=$(stat -c %i "$work/app/birthday.dat")

wine "$exe" >"$work/program.log" 2>&1 & app=$! && pids+=($app)
# Started: it notes the day's check at start; the layout comes only with the unload.
until_true 30 has_setting LastCheck || fail "the program did not start"
has_setting IconView && fail "the layout was written before the session's end"
text="add text L\"Ada Lovelace ($(($(date +%Y) - 2000)) Years)\"" trace=$work/tray.trace
until_true 30 eval 'grep -q "title = L\"Birthdays Due Today\"" "$trace" && grep -q "$text" "$trace"' ||
    fail "no balloon \"Birthdays Due Today\", \"Ada Lovelace\" in Wine's tray"
start=$(date +%s)
wineboot --end-session >"$work/wineboot.log" 2>&1
until_true 10 eval '! kill -0 $app 2>/dev/null' || fail "the program runs 10 s after the session's end"
wait "$app" || fail "the program ended with code $? at the session's end"
echo "ended $(($(date +%s) - start)) s after the session's end"
wine reg query "$settings" >"$work/settings.log" 2>&1
has_setting IconView && has_setting ToolBar || fail "the session's end wrote no layout"
[ "$(stat -c %i "$work/app/birthday.dat")" != "$seeded" ] || fail "the data file was not compacted"
wine "$exe" --upcoming 366 2>&1 | grep -q "Ada Lovelace" || fail "the event was lost"
