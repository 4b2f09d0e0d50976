#!/usr/bin/env bash
# The real program under Wayland (weston's headless backend), with the tests' notification
# service on a private session bus: it takes notifications as its default there and shows the
# day's reminder and alert as notifications. Exits 0, 1 (failure) or 77 (skip).
#   waylandtest.sh CANDLEWATCHER X11SEED NOTIFICATION-SERVICE
set -u
program=${1:?program} seed=${2:?seed tool} service=${3:?notification service}
skip() { echo "SKIP: $*"; exit 77; }
for tool in weston dbus-daemon; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is missing; scripts/setup-debian.sh installs it"
done
work=$(mktemp -d /tmp/candlewatcher-wayland.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; sleep 0.2; kill -9 "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "FAIL (wayland): $*"
    tail -n 20 "$work"/*.log
    exit 1
}
until_true() { # SECONDS COMMAND...
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do "$@" && return 0 || sleep 0.1; done
    return 1
}

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run \
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=candlewatcher-test
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Marrowfell" "$work/app"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY SESSION_MANAGER
# A session bus of our own that starts no services: only our notification service answers.
bus=$(dbus-daemon --config-file="$(dirname "$0")/../ui/platform/privatebus.conf" --fork \
    --print-address=1 --print-pid=1) || skip "dbus-daemon could not start a bus"
export DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | head -n 1)
pids+=("$(echo "$bus" | sed -n 2p)")
"$service" --service "$work/notifications.log" &
pids+=($!)
until_true 10 test -e "$work/notifications.log" || fail "the notification service did not start"
weston --backend=headless-backend.so --shell=kiosk-shell.so --socket="$WAYLAND_DISPLAY" \
    --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
until_true 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
    skip "weston could not start: $(tail -n 2 "$work/weston.log" | tr '\n' ' ')"

# One event due today that asks for the alert, whatever the time of day.
cp "$program" "$work/app/candlewatcher" || fail "cannot copy $program"
"$seed" "$work/app/birthday.dat" "Ada Lovelace|1990|0|0|3|1" >/dev/null || fail "no data file"
config=$XDG_CONFIG_HOME/Marrowfell/Candlewatcher.conf
printf '[Settings]\nAlertTime=00:00\n' >"$config"
"$work/app/candlewatcher" >"$work/app.log" 2>&1 &
app=$!
pids=("$app" "${pids[@]}")

notified() { grep -qxF "$1" "$work/notifications.log"; }
until_true 20 notified "Birthdays Due Today|Ada Lovelace ($(($(date +%Y) - 1990)) Years)||1|-1" ||
    fail "the day's reminder did not come as a notification"
until_true 5 notified "Candlewatcher Alert|Ada Lovelace|show,Show Candlewatcher|2|0" ||
    fail "the day's alert did not come as a notification that stays"
grep -q '^ShowRemindersAs=' "$config" && fail "the automatic choice was written as a setting"
# Stamped once the service has answered, which may come a moment after it logged the call.
until_true 5 grep -q '^NotifyDate=' "$config" || fail "the notification was not stamped"
kill -TERM "$app" 2>/dev/null || fail "the program ended by itself"
wait "$app"
code=$?
[ "$code" -eq 0 ] || fail "the program ended with code $code"
echo "PASS (wayland)"
