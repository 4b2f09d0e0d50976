#!/usr/bin/env bash
# Starts the Windows program from the zip's folder under Wine on the current X display, as a
# user would, and prints its start time (from the start to its tray program's first window
# being mapped, the hidden one Qt makes for the tray icon included), its resident memory a few
# seconds later, and what a second start did (it should hand over and end with 0).
# Run it on a desktop: /work/shared/tools/xdesktop --seconds 90 -- scripts/measure-wine.sh
set -uo pipefail
cd "$(dirname "$0")/.."
stage=${1:-build-windows/package/Candlewatcher}
export WINEPREFIX=${WINEPREFIX:-$PWD/build-windows/wineprefix} WINEDEBUG=-all
unset QT_QPA_PLATFORM
wineserver -k 2>/dev/null
start=$(date +%s.%N)
wine "$stage/candlewatcher.exe" &
for _ in $(seq 600); do
    xdotool search --onlyvisible --name Candlewatcher >/dev/null 2>&1 && break
    pgrep -f 'candlewatcher.exe' >/dev/null && xdotool search --class candlewatcher >/dev/null 2>&1 && break
    sleep 0.05
done
echo "start: $(echo "$(date +%s.%N) - $start" | bc) s to a window"
sleep 5
pid=$(pgrep -f 'candlewatcher\.exe' | head -1)
echo "memory: $(awk '/VmRSS/ {print $2, $3}' "/proc/$pid/status") resident"
second=$(date +%s.%N)
wine "$stage/candlewatcher.exe"
echo "second start: exit $? after $(echo "$(date +%s.%N) - $second" | bc) s"
sleep 3
