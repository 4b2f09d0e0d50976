#!/usr/bin/env bash
# Runs the real program on a private X server with a window manager (openbox) and an XEmbed
# tray (trayer), and drives it with xdotool as a user would.
#
#   x11test.sh SCENARIO CANDLEWATCHER X11SEED X11SESSION
#
# Scenarios:
#   tray_click      starts with only the tray icon; a left click maps the main window; its
#                   close button hides it again and the next click brings it back
#   tray_menu_exit  the right-click menu opens and closes; "&Show" maps the window; "E&xit"
#                   asks, No keeps the program, Yes ends it with the layout saved and the data
#                   file compacted
#   sigterm         SIGTERM ends it the same way, without a question, within a second even
#                   with a dialog open, or a message of the start-up (the data file unreadable)
#   session         under a session manager: a save of the session commits the data and the
#                   program goes on, so it does after a cancelled logout; the session's end
#                   ends it within a second, a dialog open or not
#   late_tray       with no tray at start the window is shown and its close button minimises;
#                   once a tray appears the icon is added and the close button hides again
#   notification_close  an event due today shows the notification window at start; a click on
#                   the left of its "close" closes it at once
#   second_start    a second start ends with 0 and the first copy shows its window, with one
#                   tray icon; a copy on another data file runs on its own; a killed copy's
#                   leftovers do not block the next start
#   sync_replace    a data file renamed over the old one, as sync tools do, is read at once:
#                   its event due today brings the notification
#
# Exits 0 on success, 1 on failure, 77 (skip) when the X server or a tool is missing.
set -u
scenario=${1:?scenario} program=${2:?program} seed=${3:?seed tool} session=${4:?session tool}

skip() {
    echo "SKIP: $*"
    exit 77
}

for tool in Xvfb openbox trayer xdotool xwininfo xprop xdpyinfo; do
    command -v "$tool" >/dev/null 2>&1 ||
        skip "$tool is not installed; scripts/setup-debian.sh installs the X test tools"
done

work=$(mktemp -d /tmp/candlewatcher-x11.XXXXXX)
pids=()
app=""
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    sleep 0.2
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL ($scenario): $*"
    if [ -n "$app" ]; then
        echo "--- windows of the program:"
        for w in $(xdotool search --pid "$app" 2>/dev/null); do
            echo "$w '$(xdotool getwindowname "$w" 2>/dev/null)' $(window_state "$w")"
        done
    fi
    local log
    for log in app openbox trayer xvfb; do
        [ -s "$work/$log.log" ] && echo "--- $log output:" && cat "$work/$log.log"
    done
    if command -v import >/dev/null 2>&1; then
        import -window root "$PWD/x11_$scenario-failure.png" 2>/dev/null &&
            echo "--- screen saved to $PWD/x11_$scenario-failure.png"
    fi
    exit 1
}

# until SECONDS COMMAND...: true as soon as the command succeeds, false after the time is up
until_true() {
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# "WIDTHxHEIGHT viewable" or "... unmapped"
window_state() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Width:/ { w = $2 } /Height:/ { h = $2 }
        /Map State:/ { s = ($3 == "IsViewable") ? "viewable" : "unmapped" }
        END { print w "x" h, s }'
}

# The program's viewable windows, one id a line, optionally only those whose name matches
visible_windows() {
    if [ $# -gt 0 ]; then
        xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null
    else
        xdotool search --onlyvisible --pid "$app" 2>/dev/null
    fi
}

is_small() {
    local size
    size=$(window_state "$1" | cut -d' ' -f1)
    [ "${size%x*}" -le 64 ] && [ "${size#*x}" -le 64 ]
}

tray_icon() {
    local w
    for w in $(visible_windows); do
        is_small "$w" && xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q = && {
            echo "$w"
            return 0
        }
    done
    return 1
}

main_window() {
    local w
    for w in $(visible_windows '^Candlewatcher v'); do
        is_small "$w" || {
            echo "$w"
            return 0
        }
    done
    return 1
}
main_window_shown() { main_window >/dev/null; }
window_iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'Iconic'; }
window_normal() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'Normal'; }
main_window_hidden() { ! main_window_shown; }

# Qt's menus are override-redirect windows of the program's own; the embedded icon is the
# only other one.
popup_menu() {
    local w
    for w in $(visible_windows); do
        is_small "$w" && continue
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && {
            echo "$w"
            return 0
        }
    done
    return 1
}
popup_shown() { popup_menu >/dev/null; }
popup_gone() { ! popup_shown; }

# The exit question: a dialog titled just "Candlewatcher"
question_box() {
    local w
    for w in $(visible_windows '^Candlewatcher$'); do
        is_small "$w" || {
            echo "$w"
            return 0
        }
    done
    return 1
}
question_shown() { question_box >/dev/null; }
question_gone() { ! question_shown; }
preferences_shown() { visible_windows '^Candlewatcher Preferences$' | grep -q .; }

app_running() { kill -0 "$app" 2>/dev/null; }
app_ended() { ! app_running; }

click_icon() { # BUTTON
    local icon
    icon=$(tray_icon) || fail "the tray icon is gone"
    xdotool mousemove --window "$icon" 8 8 click "$1"
}

# Keys go through XTEST, as a user's do, so the window must really be the active one first.
press_key() { # WINDOW KEY
    local attempt
    for attempt in 1 2 3 4 5; do
        xdotool windowactivate --sync "$1" >/dev/null 2>&1
        sleep 0.2
        if [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; then
            xdotool key "$2"
            return 0
        fi
    done
    fail "could not make window $1 the active one for $2"
}
# The close button, through the window manager: openbox closes the active window on Alt+F4.
press_close() { press_key "$1" alt+F4; }

# A click that reaches the icon while trayer is still settling its embedding is lost, as it
# would be for a user, who clicks again; so does this, twice at most.
open_tray_menu() {
    local attempt
    for attempt in 1 2 3; do
        click_icon 3
        until_true 3 popup_shown && return 0
    done
    fail "a right click on the icon opened no menu"
}

# --- the desktop, with a throw-away home for it and the program -----------------------------
home=$work/home
mkdir -p "$home/run" "$work/app"
chmod 700 "$home/run"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
# Xvfb picks a free display itself and names it through -displayfd once it is ready.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
pids+=($xvfb)
exec 3>&-
xvfb_settled() { test -s "$work/display" || ! kill -0 "$xvfb" 2>/dev/null; }
until_true 10 xvfb_settled
test -s "$work/display" ||
    skip "Xvfb could not start a display: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
export DISPLAY=":$(head -n 1 "$work/display")"
xdpyinfo >/dev/null 2>&1 || skip "the X server on $DISPLAY does not answer"

# A window mapped while the window manager is still starting may be left unmanaged.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# openbox now and then fails to open a display that has only just come up; start it again.
for attempt in 1 2 3; do
    openbox >>"$work/openbox.log" 2>&1 &
    pids+=($!)
    until_true 10 wm_ready && break
    [ "$attempt" = 3 ] && fail "openbox did not start"
done
tray_start() {
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
        --SetDockType true >"$work/trayer.log" 2>&1 &
    pids+=($!)
    until_true 10 xdotool search --classname trayer >/dev/null 2>&1 || fail "trayer did not start"
    sleep 0.5 # the tray takes its selection after mapping its window
}
[ "$scenario" = late_tray ] || tray_start

# --- the program, in its own folder so the data file lands there ----------------------------
cp "$program" "$work/app/candlewatcher" || fail "cannot copy $program"
datafile=$work/app/birthday.dat
config=$XDG_CONFIG_HOME/Marrowfell/Candlewatcher.conf

seeded_size=0
if [ "$scenario" != tray_click ]; then
    due=()
    [ "$scenario" = notification_close ] && due=("Grace Hopper|2000|0|1|3|1")
    seeded_size=$("$seed" "$datafile" "${due[@]}") || fail "could not prepare the data file"
fi

if [ "$scenario" = session ]; then
    mkfifo "$work/session.in"
    "$session" <"$work/session.in" >"$work/session.log" 2>&1 &
    pids+=($!)
    exec 4>"$work/session.in" # held open: the manager ends when its input does
    until_true 5 grep -q '^SESSION_MANAGER=' "$work/session.log" || fail "no session manager"
    export "$(head -n 1 "$work/session.log")"
fi
# session_says WORD N: the session manager has printed WORD N times or more
session_says() { [ "$(grep -c "^$1\$" "$work/session.log")" -ge "$2" ]; }

app_start() {
    "$work/app/candlewatcher" >>"$work/app.log" 2>&1 &
    app=$!
    pids=("$app" "${pids[@]}")
}
app_start

if [ "$scenario" != late_tray ]; then
    until_true 15 tray_icon >/dev/null || fail "no tray icon appeared"
    sleep 1
    main_window_hidden || fail "the main window is shown at start; only the tray icon should be"
fi

# After the program ended: exit code 0, layout written, data file compacted, records kept.
check_unloaded() { # HOW
    until_true 15 app_ended || fail "the program still runs 15 s after $1"
    wait "$app"
    local code=$?
    [ "$code" -eq 0 ] || fail "the program ended with code $code after $1"
    [ -f "$config" ] || fail "no settings file after $1"
    grep -q '^WindowWidth=' "$config" || fail "the layout was not written after $1"
    grep -q '^ToolBar=' "$config" || fail "the bars were not written after $1"
    local size
    size=$(stat -c %s "$datafile")
    [ "$size" -gt 0 ] || fail "the data file is empty after $1"
    [ "$size" -lt "$seeded_size" ] ||
        fail "the data file was not compacted after $1 ($seeded_size bytes before, $size after)"
}

case $scenario in
tray_click)
    click_icon 1
    until_true 10 main_window_shown || fail "a left click on the tray icon did not map the main window"
    window=$(main_window)
    # A second click leaves it shown.
    click_icon 1
    sleep 0.5
    main_window_shown || fail "a second left click hid the main window"
    # The close button hides it; the program stays in the tray.
    press_close "$window"
    until_true 10 main_window_hidden || fail "the close button did not hide the main window"
    sleep 0.5
    app_running || fail "the close button ended the program"
    tray_icon >/dev/null || fail "the tray icon went with the close button"
    click_icon 1
    until_true 10 main_window_shown || fail "the tray icon did not bring the closed window back"
    ;;
tray_menu_exit)
    open_tray_menu
    xdotool key Escape
    until_true 5 popup_gone || fail "Escape did not close the tray menu"
    main_window_hidden || fail "closing the tray menu showed the main window"

    open_tray_menu
    xdotool key s # &Show Candlewatcher
    until_true 10 main_window_shown || fail "\"&Show Candlewatcher\" did not map the main window"

    open_tray_menu
    xdotool key x # E&xit Candlewatcher
    until_true 10 question_shown || fail "\"E&xit Candlewatcher\" did not ask first"
    box=$(question_box)
    press_key "$box" n
    until_true 10 question_gone || fail "No did not close the question"
    sleep 0.5
    app_running || fail "the program ended although the answer was No"
    tray_icon >/dev/null || fail "the tray icon went although the answer was No"

    open_tray_menu
    xdotool key x
    until_true 10 question_shown || fail "the second exit did not ask"
    box=$(question_box)
    press_key "$box" y
    check_unloaded "Exit with the answer Yes"
    ;;
late_tray)
    until_true 15 main_window_shown || fail "without a tray the main window was not shown at start"
    window=$(main_window)
    press_close "$window"
    until_true 10 window_iconic "$window" ||
        fail "without a tray the close button did not minimise the main window"
    app_running || fail "without a tray the close button ended the program"

    tray_start
    until_true 15 tray_icon >/dev/null || fail "no tray icon appeared once the tray was there"
    click_icon 1
    until_true 10 main_window_shown || fail "the late tray icon did not show the main window"
    window=$(main_window)
    until_true 5 window_normal "$window" || fail "the late tray icon did not restore the window"
    press_close "$window"
    until_true 10 main_window_hidden || fail "with the late tray the close button did not hide"
    app_running || fail "with the late tray the close button ended the program"
    ;;
notification_close)
    # The notification window is titled "Candlewatcher" as the question is. "close" ends 120
    # twips (8 px) from its right edge; the click lands on the word's first letters, where the
    # title label once lay over it.
    until_true 10 question_shown || fail "the notification window did not show at start"
    shown=$(date +%s)
    box=$(question_box)
    size=$(window_state "$box")
    xdotool mousemove --window "$box" $((${size%%x*} - 30)) 10 click 1
    until_true 3 question_gone || fail "a click on \"close\" left the notification window open"
    [ $(($(date +%s) - shown)) -lt 8 ] || fail "the window went only by its own 10 s timer"
    ;;
sigterm)
    open_tray_menu
    xdotool key p # &Preferences: a dialog's own loop runs
    until_true 10 preferences_shown || fail "\"&Preferences\" opened no dialog"
    kill -TERM "$app"
    until_true 1 app_ended || fail "the program still runs a second after SIGTERM"
    check_unloaded "SIGTERM"

    # A message of the start-up is open before the program's loop runs at all.
    rm -f "$config" "$datafile" && mkdir "$datafile"
    app_start
    until_true 15 question_shown || fail "no message that the data file cannot be read"
    kill -TERM "$app"
    until_true 1 app_ended || fail "a start-up message kept the program 1 s after SIGTERM"
    grep -q '^ToolBar=' "$config" || fail "SIGTERM at a start-up message saved no layout"
    ;;
session)
    until_true 10 session_says registered 1 || fail "the program did not join the session"
    echo save >&4
    until_true 10 session_says saved 1 || fail "the program did not finish the session's save"
    grep -q '^WindowWidth=' "$config" || fail "the session's save wrote no layout"
    [ "$(stat -c %s "$datafile")" -lt "$seeded_size" ] || fail "the session's save did not compact"
    echo logout >&4
    until_true 10 session_says saved 2 || fail "the program did not finish the logout's save"
    echo cancel >&4
    sleep 1
    app_running && tray_icon >/dev/null || fail "a save or a cancelled logout ended the program"

    open_tray_menu
    xdotool key p
    until_true 10 preferences_shown || fail "\"&Preferences\" opened no dialog"
    echo logout >&4
    until_true 10 session_says saved 3 || fail "the program did not finish the last save"
    echo die >&4
    until_true 1 app_ended || fail "the program still runs a second after the session's end"
    check_unloaded "the session's end"
    ;;
second_start)
    started=$(date +%s%N)
    timeout 10 "$work/app/candlewatcher" >"$work/second.log" 2>&1
    code=$?
    echo "the second start took $((($(date +%s%N) - started) / 1000000)) ms"
    [ "$code" -eq 0 ] || fail "the second start ended with code $code: $(cat "$work/second.log")"
    until_true 10 main_window_shown || fail "the second start did not show the first copy's window"
    [ "$(visible_windows | while read -r w; do is_small "$w" && echo "$w"; done | wc -l)" -eq 1 ] ||
        fail "not exactly one tray icon after the second start"

    mkdir "$work/other" && cp "$work/app/candlewatcher" "$work/other/" || fail "cannot copy"
    "$work/other/candlewatcher" >"$work/other.log" 2>&1 &
    first=$app app=$!
    pids+=("$app")
    until_true 15 tray_icon >/dev/null || fail "a copy on another data file did not start its own"

    app=$first
    kill -9 "$app"
    "$work/app/candlewatcher" >>"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
    until_true 15 tray_icon >/dev/null || fail "no copy started after the first one was killed"
    timeout 10 "$work/app/candlewatcher" >"$work/second.log" 2>&1 ||
        fail "after a copy was killed, a later start did not hand over to the new one"
    ;;
sync_replace)
    "$seed" "$work/sync.tmp" "Due today|2000|0" >/dev/null || fail "could not write the new data file"
    mv "$work/sync.tmp" "$datafile" || fail "could not rename the new data file over the old"
    until_true 5 question_shown || fail "the replaced data file brought no notification"
    ;;
*)
    echo "unknown scenario $scenario"
    exit 2
    ;;
esac
echo "PASS ($scenario)"
