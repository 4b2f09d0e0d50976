#!/usr/bin/env bash
# Takes the README's screenshot from a real run: the program on a private X server (Xvfb with
# openbox), its main window in the Details view with a few events, saved with ImageMagick's
# import. Needs a build (cmake --build --preset dev) and xvfb, openbox, xdotool, imagemagick.
#
#   scripts/screenshot.sh [OUTPUT.png]        (default docs/main-window-details.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/main-window-details.png}
program=build/candlewatcher
for tool in Xvfb openbox xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 2; }
done
[ -x "$program" ] || { echo "screenshot: build the project first" >&2; exit 2; }

work=$(mktemp -d /tmp/candlewatcher-shot.XXXXXX)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true # the program saves its layout as it ends
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run \
    QT_QPA_PLATFORM=xcb LANG=en_GB.UTF-8 LC_ALL=
mkdir -p "$XDG_CONFIG_HOME/Marrowfell" "$XDG_RUNTIME_DIR" "$work/app"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Nothing falls due today, so no reminder covers the window; without a tray the window shows.
# The events are imported, each "NAME|YEAR|DAYS[|SHOWYEARS]": a yearly event of that year whose
# day falls DAYS days from today, with no reminder before its day.
cp "$program" "$work/app/candlewatcher"
{
    printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Screenshot//EN\r\n'
    for event in "Anna Schmidt|1982|2" "Ben Okafor|1990|1" "Wedding anniversary|2011|9" \
        "Mum|1956|23" "Clara Jensen|2019|47" "Tomás Ruiz|1975|120" "Company founded|1998|205|0"; do
        IFS='|' read -r name year days years <<<"$event"
        printf 'BEGIN:VEVENT\r\nUID:%s\r\nDTSTAMP:20240101T000000Z\r\n' "$name"
        printf 'DTSTART;VALUE=DATE:%s%s\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:%s\r\n' \
            "$year" "$(date -d "+$days days" +%m%d)" "$name"
        printf 'X-CANDLEWATCHER-NOTIFY:0\r\nX-CANDLEWATCHER-SHOWYEARS:%s\r\nEND:VEVENT\r\n' \
            "${years:-1}"
    done
    printf 'END:VCALENDAR\r\n'
} >"$work/events.ics"
"$work/app/candlewatcher" --import "$work/events.ics" >/dev/null
cat >"$XDG_CONFIG_HOME/Marrowfell/Candlewatcher.conf" <<CONF
[Settings]
IconView=Details
Column1Width=2700
WindowWidth=9600
WindowHeight=5400
CONF
"$work/app/candlewatcher" >"$work/app.log" 2>&1 &
pids=($! "${pids[@]}")

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Candlewatcher v' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the main window did not appear" >&2; cat "$work/app.log" >&2; exit 1; }
sleep 1.5 # let it paint
import -window "$window" -frame "$out"
echo "screenshot: saved $out"
