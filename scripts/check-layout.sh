#!/usr/bin/env bash
# Fails when an include crosses a line the layout draws: core knows neither the windows nor the
# command line and needs no more than QtCore; the command line knows no window; the windows'
# presentation library needs core and QtCore alone; the services (src/app but the application
# object) know no window, and no window makes a service; every message box is the shared one;
# no folder of core is named after a window.
# Prints each offending line.
set -uo pipefail
src="$(cd "${1:-$(dirname "$0")/../src}" && pwd)"
status=0
offend() { echo "layout: $1"; status=1; }
while IFS= read -r line; do offend "core includes the windows, the command line or the network: $line"; done \
    < <(grep -rnE '#\s*include\s*[<"](ui/|cli/|net/|Qt(Widgets|Gui|Network|DBus|Svg)\b|Q(Widget|Dialog|Application|Icon|Pixmap|Font|Color|Painter)\b)' "$src/core")
while IFS= read -r line; do offend "the command line includes the windows: $line"; done \
    < <(grep -rnE '#\s*include\s*[<"](ui/|QtWidgets|Q(Widget|Application)\b)' "$src/cli")
while IFS= read -r line; do offend "the network library includes the windows or the command line: $line"; done \
    < <(grep -rnE '#\s*include\s*[<"](ui/|cli/|QtWidgets|Q(Widget|Dialog|Application)\b)' "$src/net")
while IFS= read -r line; do offend "the presentation library includes more than core and QtCore: $line"; done \
    < <(grep -rnE '#\s*include\s*[<"](ui/[a-z]+/|cli/|net/|app/|Qt(Widgets|Gui|Network|DBus|Svg)\b|Q(Widget|Dialog|Application|Icon|Pixmap|Font|Color|Painter)\b)' "$src/ui/presentation" \
        | grep -v '"ui/presentation/')
# The program's services know no window: the windows are handed them.
while IFS= read -r line; do offend "a service includes the windows or the command line: $line"; done \
    < <(grep -rnE '#\s*include\s*[<"](ui/|cli/|net/|Qt(Widgets|Gui)\b|Q(Widget|Dialog|Application|Icon)\b)' "$src/app" \
        | grep -v '^[^:]*/app/candlewatcherapp\.')
# A window shows and asks; it never makes what runs as long as the program: the reminder
# scheduler, its runner, watcher and timers, the sync service, its queue, publisher and password
# store. Caught as made with new or make_unique/make_shared, or held by value (a member or a
# local: a type followed by a name, not by & or *), and the timers by their names.
services='ReminderScheduler|ReminderRunner|DataFileWatcher|SyncService|SyncQueue|Publisher|KeychainSecrets'
while IFS= read -r line; do offend "a window makes a background service: $line"; done \
    < <(grep -rnE "(new\s+($services)\b|make_(unique|shared)<($services)>|^\s*(const\s+)?($services)\s+[A-Za-z_]\w*\s*[({;=]|tmrCheck|tmrSync|checkIntervalMs)" "$src/ui" \
        | grep -vE '^[^:]+:[0-9]+:\s*//')
# One message box for every window (ui/common/messageprompt): the program's title, plain text,
# the tests' hook.
while IFS= read -r line; do offend "a window makes its own message box: $line"; done \
    < <(grep -rnE 'QMessageBox(\s+[A-Za-z_]\w*\s*[({]|::(information|warning|critical|question|about)\s*\()|new\s+QMessageBox\b' "$src/ui" \
        | grep -v '^[^:]*/ui/common/messageprompt\.cpp:')
for window in app dialogs listwindow list web tray reminders help; do
    [ -d "$src/core/$window" ] && offend "core/$window is named after a window"
done
while IFS= read -r line; do offend "relative include: $line"; done \
    < <(grep -rnE '#\s*include\s*"\.\./' "$src")
exit $status
