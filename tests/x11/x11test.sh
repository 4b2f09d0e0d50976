#!/usr/bin/env bash
# What only a real desktop shows: the program on a private X server with a window manager
# (openbox) and an XEmbed tray (trayer), driven with xdotool as a user would; or under Wayland.
#   x11test.sh SCENARIO CANDLEWATCHER X11SESSION [NOTIFICATION-SERVICE]
# Scenarios (tray and session end with the layout saved and the data file compacted):
#   tray          only the icon at start, whose first sync goes out through the network
#                 client, and a command beside the running program; SIGTERM ends it within a
#                 second with a dialog of its menu open, and with a message of the start-up (the
#                 data file unreadable); what the menu's items and the icon's clicks do is the
#                 offscreen tests'
#   session       a save of the session commits the data and the program goes on, as after a
#                 cancelled logout; the session's end ends it within a second
#   second_start  a second start ends with 0 and the first copy shows its window, with one icon
#   wayland       under weston (headless), with the tests' notification service on a private
#                 session bus: the day's reminder comes as a notification by default (the alert
#                 and the stamps follow as the offscreen test_dbusnotifier checks)
#   german, arabic  in that language (texts from $TS_FOLDER; skip unless in $SHIPPED_LANGUAGES):
#                 the reminder, Arabic's right-to-left window (each language's access keys are
#                 the offscreen tests', the tray menu's keys the tray scenario's)
# Exits 0 on success, 1 on failure, 77 (skip) when a display server or a tool is missing.
set -u
scenario=${1:?scenario} program=${2:?program} session=${3:?session tool} service=${4:-}
skip() { echo "SKIP: $*"; exit 77; }
tools="Xvfb openbox trayer xdotool xwininfo xprop xdpyinfo"
[ "$scenario" = wayland ] && tools="weston dbus-daemon"
for tool in $tools; do
    command -v "$tool" >/dev/null 2>&1 ||
        skip "$tool is not installed; scripts/setup-debian.sh installs the desktop test tools"
done
case $scenario in german) language=de ;; arabic) language=ar ;; *) language="" ;; esac
[ -z "$language" ] || [[ " ${SHIPPED_LANGUAGES:-} " == *" $language "* ]] ||
    skip "$language is not a shipped language yet"
translated() { # CONTEXT SOURCE: the shipped translation of a text
    python3 -c 'import sys, xml.etree.ElementTree as t
print(*[m.findtext("translation") for c in t.parse(sys.argv[1]).iter("context")
        if c.findtext("name") == sys.argv[2] for m in c.iter("message")
        if m.findtext("source") == sys.argv[3]])' "$TS_FOLDER/candlewatcher_$language.ts" "$@"
}
work=$(mktemp -d /tmp/candlewatcher-x11.XXXXXX)
pids=() app=""
trap 'kill "${pids[@]}" 2>/dev/null; sleep 0.2; kill -9 "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "FAIL ($scenario): $*"
    for w in $(xdotool search --pid "$app" 2>/dev/null); do xwininfo -id "$w" | head -n 2; done
    tail -n 20 "$work"/*.log
    exit 1
}
until_true() { # SECONDS COMMAND...: true as soon as the command is
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do "$@" && return 0 || sleep 0.1; done
    return 1
}

# windows KIND: the program's viewable windows of a kind, one id a line: the icon (small and
# embedded), the main window, the question (titled just "Candlewatcher", as the notification
# window is), a menu (Qt's are override-redirect) or the preferences.
windows() {
    local w info size
    for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        info=$(xwininfo -id "$w" 2>/dev/null) || continue
        size=$(awk '/Width:/ { w = $2 } /Height:/ { h = $2 }
                    END { print (w <= 64 && h <= 64) ? "small" : "big" }' <<<"$info")
        case $1:$size in
        icon:small) xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q = ;;
        main:big) grep -q '"Candlewatcher v' <<<"$info" ;;
        question:big) grep -q '"Candlewatcher"$' <<<"$info" ;;
        menu:big) grep -q 'Override Redirect State: yes' <<<"$info" ;;
        preferences:big) grep -q '"Candlewatcher Preferences"$' <<<"$info" ;;
        *) false ;;
        esac && echo "$w"
    done
}
shown() { windows "$1" | grep -q .; }
first() { windows "$1" | head -n 1; }
running() { kill -0 "$app" 2>/dev/null; }
ended() { ! running; }
# A click that reaches the icon while trayer still settles its embedding is lost, as it would
# be for a user, who clicks again: click_until BUTTON COMMAND... clicks up to three times.
click_until() {
    for _ in 1 2 3; do xdotool mousemove --window "$(first icon)" 8 8 click "$1" && until_true 3 "${@:2}" && return 0; done
    return 1
}
menu_item() { # KEY
    click_until 3 shown menu || fail "a right click on the icon opened no menu"
    xdotool key "$1"
}
# The compaction writes a new data file in place of the old.
compacted() { [ "$(stat -c %i "$datafile")" != "$seeded" ]; }
# After the program ended: exit code 0, layout written, data file compacted, records kept.
check_unloaded() { # HOW
    until_true 15 ended || fail "the program still runs 15 s after $1"
    wait "$app" || fail "the program ended with code $? after $1"
    grep -q '^IconView=' "$config" && grep -q '^ToolBar=' "$config" ||
        fail "the layout was not written after $1"
    compacted && "$work/app/candlewatcher" --upcoming 366 | grep -q "$event" ||
        fail "the data file was not compacted, or lost its event, after $1"
}

# --- the desktop, with a throw-away home for it and the program -----------------------------
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/home/run QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" "$work/app" && chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER DISPLAY
if [ -n "$service" ]; then
    # A session bus of our own that starts no services: only our notification service answers.
    bus=$(dbus-daemon --config-file="$(dirname "$0")/../platform/linux/privatebus.conf" --fork \
        --print-address=1 --print-pid=1) || skip "dbus-daemon could not start a bus"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 <<<"$bus")
    pids+=("$(sed -n 2p <<<"$bus")")
    "$service" --service "$work/notifications.log" &
    pids+=($!)
    until_true 10 test -e "$work/notifications.log" || fail "the notification service did not start"
fi
if [ "$scenario" = wayland ]; then
    export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=candlewatcher-test
    weston --backend=headless-backend.so --shell=kiosk-shell.so --socket="$WAYLAND_DISPLAY" \
        --idle-time=0 >"$work/weston.log" 2>&1 &
    pids+=($!)
    until_true 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
        skip "weston could not start: $(tail -n 2 "$work/weston.log" | tr '\n' ' ')"
else
    # Xvfb picks a free display itself and names it through -displayfd once it is ready.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    until_true 10 test -s "$work/display" ||
        skip "Xvfb could not start a display: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
    export DISPLAY=":$(head -n 1 "$work/display")"
    xdpyinfo >/dev/null 2>&1 || skip "the X server on $DISPLAY does not answer"
    # A window mapped while the window manager still starts may be left unmanaged; openbox now and
    # then fails to open a display that has only just come up.
    for attempt in 1 2 3; do
        openbox >>"$work/openbox.log" 2>&1 &
        pids+=($!)
        until_true 10 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" &&
            break
        [ "$attempt" = 3 ] && fail "openbox did not start"
    done
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
        --SetDockType true >"$work/trayer.log" 2>&1 &
    pids+=($!)
    until_true 10 eval "xdotool search --classname trayer >/dev/null" || fail "no trayer"
    sleep 0.5 # the tray takes its selection after mapping its window
fi

# --- the program, in its own folder so the data file lands there ----------------------------
cp "$program" "$work/app/candlewatcher" || fail "cannot copy $program"
# Marked portable, so the data file lives beside the copy, where the scenarios look.
touch "$work/app/portable"
datafile=$work/app/birthday.dat config=$XDG_CONFIG_HOME/Marrowfell/Candlewatcher.conf
# seed FOLDER DAYS: one yearly event of 2000, DAYS from today, imported by the program in
# FOLDER into the data file beside it.
seed() {
    printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//EN\r\nBEGIN:VEVENT\r\nUID:1\r\n%s%s\r\n' \
        "DTSTAMP:20240101T000000Z"$'\r\n'"DTSTART;VALUE=DATE:2000" "$(date -d "+$2 days" +%m%d)" \
        >"$work/seed.ics"
    printf 'RRULE:FREQ=YEARLY\r\nSUMMARY:%s\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' "$event" \
        >>"$work/seed.ics"
    "$1/candlewatcher" --import "$work/seed.ics" >>"$work/import.log" 2>&1 || fail "could not import"
}
# Not due for half a year; under Wayland and in another language due today.
event="Ada Lovelace"
if [ "$scenario" = wayland ]; then
    seed "$work/app" 0
elif [ -n "$language" ]; then
    mkdir -p "${config%/*}" && printf '[Settings]\nShowRemindersAs=Notifications\n' >"$config"
    seed "$work/app" 0
    export LANGUAGE=$language LANG=${language}_$([ "$language" = ar ] && echo EG || echo DE).UTF-8
    unset LC_ALL LC_MESSAGES
else
    seed "$work/app" 183
fi
seeded=$(stat -c %i "$datafile")
if [ "$scenario" = session ]; then
    mkfifo "$work/session.in"
    "$session" <"$work/session.in" >"$work/session.log" 2>&1 &
    pids+=($!)
    exec 4>"$work/session.in" # held open: the manager ends when its input does
    until_true 5 grep -q '^SESSION_MANAGER=' "$work/session.log" || fail "no session manager"
    export "$(head -n 1 "$work/session.log")"
fi
if [ "$scenario" = tray ]; then
    # Subscribed to a calendar nothing answers at: the start's sync tries it and notes why not.
    printf '{"version":1,"sources":[{"id":"c1","kind":"ics","name":"Cal","url":"%s"}]}' \
        "http://127.0.0.1:9/c.ics" >"$work/app/birthday-subscriptions.json"
fi
says() { [ "$(grep -c "^$1\$" "$work/session.log")" -ge "$2" ]; } # WORD TIMES
start() {
    "$work/app/candlewatcher" >>"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
}
start
if [ "$scenario" != wayland ]; then
    until_true 15 shown icon || fail "no tray icon appeared"
    sleep 1
    ! shown main || fail "the main window is shown at start; only the tray icon should be"
fi

case $scenario in
tray)
    until_true 10 grep -qi refused "$work/app/birthday-subscriptions.json" ||
        fail "the start did not sync its subscriptions through the network client"
    "$work/app/candlewatcher" --upcoming 366 | grep -q "$event" ||
        fail "--upcoming beside the running program did not list the event"
    menu_item p # &Preferences: a dialog's own loop runs
    until_true 10 shown preferences || fail "\"&Preferences\" opened no dialog"
    kill -TERM "$app"
    until_true 1 ended || fail "the program still runs a second after SIGTERM"
    check_unloaded SIGTERM
    # A message of the start-up is open before the program's loop runs at all.
    rm -f "$config" "$datafile" "$work/app/birthday-subscriptions.json" && mkdir "$datafile"
    start
    until_true 15 shown question || fail "no message that the data file cannot be read"
    kill -TERM "$app"
    until_true 1 ended || fail "a start-up message kept the program 1 s after SIGTERM"
    grep -q '^ToolBar=' "$config" || fail "SIGTERM at a start-up message saved no layout"
    ;;
session)
    until_true 10 says registered 1 || fail "the program did not join the session"
    echo save >&4
    until_true 10 says saved 1 || fail "the program did not finish the session's save"
    grep -q '^IconView=' "$config" || fail "the session's save wrote no layout"
    # The window was never shown: it had no outer size to keep.
    grep -q '^WindowWidth=' "$config" && fail "a window never shown wrote its size"
    compacted || fail "the session's save did not compact"
    seeded=$(stat -c %i "$datafile") # the freed number may come back: compare with the last
    echo logout >&4
    until_true 10 says saved 2 || fail "the program did not finish the logout's save"
    echo cancel >&4
    sleep 1
    running && shown icon || fail "a save or a cancelled logout ended the program"
    menu_item p
    until_true 10 shown preferences || fail "\"&Preferences\" opened no dialog"
    echo logout >&4
    until_true 10 says saved 3 || fail "the program did not finish the last save"
    echo die >&4
    until_true 1 ended || fail "the program still runs a second after the session's end"
    check_unloaded "the session's end"
    ;;
second_start)
    timeout 10 "$work/app/candlewatcher" >"$work/second.log" 2>&1 ||
        fail "the second start ended with code $?"
    until_true 10 shown main || fail "the second start did not show the first copy's window"
    [ "$(windows icon | wc -l)" -eq 1 ] || fail "not exactly one tray icon after the second start"
    ;;
wayland)
    notified() { grep -qxF "$1" "$work/notifications.log"; }
    until_true 20 notified "Birthdays Due Today|Ada Lovelace ($(($(date +%Y) - 2000)) Years)||1|-1" ||
        fail "the day's reminder did not come as a notification"
    grep -q '^ShowRemindersAs=' "$config" && fail "the automatic choice was written as a setting"
    kill -TERM "$app"
    wait "$app" || fail "the program ended with code $?"
    ;;
german | arabic)
    title=$(translated ReminderRunner "Birthdays Due Today")
    until_true 20 grep -q "^$title|$event" "$work/notifications.log" ||
        fail "the day's reminder did not come in $language: $(cat "$work/notifications.log")"
    click_until 1 shown main || fail "a left click on the tray icon did not map the main window"
    sleep 1
    # The menus sit at the menu bar's left edge, or at its right one right to left.
    import -window "$(first main)" "$work/main.png" || fail "no picture of the main window"
    width=$(identify -format %w "$work/main.png")
    read -r left used < <(convert "$work/main.png" -crop "${width}x18+0+2" +repage -fuzz 20% \
        -trim -format "%X %w" info:)
    [ $((${left#+} > width - ${left#+} - used)) = "$([ "$language" = ar ] && echo 1 || echo 0)" ] ||
        fail "the main window's menus take $used pixels from $left of $width"
    kill -TERM "$app"
    wait "$app" || fail "the program ended with code $?"
    ;;
*)
    echo "unknown scenario $scenario"
    exit 2
    ;;
esac
echo "PASS ($scenario)"
