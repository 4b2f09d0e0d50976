#!/usr/bin/env bash
# Measures the whole program as a user runs it: the time from start until the first reminder
# check has shown its notification and the tray icon sits in the tray, the peak memory, and
# the CPU used while it waits idle in the tray. It runs on a private X display (Xvfb, openbox,
# trayer) with a throw-away HOME and a generated data file of 100 records dated around today,
# so the first check has events to show.
#
#   scripts/measure-program.sh                    idle for 600 s (10 minutes)
#   scripts/measure-program.sh --idle-seconds 60  a quicker look
#   scripts/measure-program.sh --records 1276 --runs 5
#
# Builds the release preset first (the program and cw_storetool, which writes the data file).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
idle=600
records=100
runs=3
while [ $# -gt 0 ]; do
    case "$1" in
        --idle-seconds) idle="$2"; shift 2 ;;
        --records) records="$2"; shift 2 ;;
        --runs) runs="$2"; shift 2 ;;
        *) echo "unknown argument $1" >&2; exit 2 ;;
    esac
done
for tool in Xvfb openbox trayer xdotool xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup-debian.sh)" >&2; exit 2; }
done

build="$root/build-release"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset release "${launcher[@]}" >/dev/null
cmake --build "$build" -j2 --target candlewatcher cw_storetool >/dev/null

work="$(mktemp -d /tmp/cw-measure.XXXXXX)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    sleep 0.3
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq 90 120); do [ -e "/tmp/.X$n-lock" ] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
    --SetDockType true >/dev/null 2>&1 & pids+=($!)
sleep 1

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Visible windows of the process: the tray icon embedded in the tray, the notification window.
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }

# The copy of the program (14 MB) and the data file are made before the clock starts: under
# load they took longer than the start-up itself.
prepare_run() {
    local run="$work/run$1"
    mkdir -p "$run/home/run" && chmod 700 "$run/home/run"
    cp "$build/candlewatcher" "$run/"
    "$build/tests/core/store/processes/cw_storetool" "$run/birthday.dat" "generate:$records" >/dev/null
}

start_program() {
    local run="$work/run$1"
    HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" XDG_DATA_HOME="$run/home/.local/share" \
        XDG_RUNTIME_DIR="$run/home/run" QT_QPA_PLATFORM=xcb "$run/candlewatcher" \
        >/dev/null 2>&1 &
    echo $!
}

echo "Candlewatcher $(git -C "$root" rev-parse --short HEAD), $records records, $(nproc) cores"
best=""
for i in $(seq "$runs"); do
    prepare_run "$i"
    t0=$(now_ms)
    pid=$(start_program "$i")
    pids+=("$pid")
    until [ "$(visible_windows "$pid")" -ge 2 ]; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended during start-up" >&2; exit 1; }
        [ $(( $(now_ms) - t0 )) -lt 20000 ] || { echo "no tray icon and notification after 20 s" >&2; exit 1; }
        sleep 0.005
    done
    t=$(( $(now_ms) - t0 ))
    echo "run $i: start-up to tray icon and first notification: ${t} ms"
    [ -z "$best" ] || [ "$t" -lt "$best" ] && best=$t
    if [ "$i" -lt "$runs" ]; then
        kill "$pid"; wait "$pid" 2>/dev/null || true
    fi
done
echo "start-up (best of $runs): ${best} ms"

# The last run stays for the idle measurement: the notification closes itself after 10 s.
sleep 15
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
c0=$(ticks "$pid"); w0=$(now_ms)
sleep "$idle"
c1=$(ticks "$pid"); w1=$(now_ms)
awk -v c=$((c1 - c0)) -v hz="$hz" -v w=$((w1 - w0)) \
    'BEGIN { printf "idle CPU over %.0f s: %.3f%% (%d ticks of 1/%d s)\n", w / 1000, 100 * c / hz / (w / 1000), c, hz }'
echo "peak memory (VmHWM): $(awk '/VmHWM/ {printf "%.1f MB", $2 / 1024}' "/proc/$pid/status")"
