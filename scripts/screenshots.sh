#!/usr/bin/env bash
# The screenshots in docs/screenshots: the main window in each view, the import preview, the
# notification window and the Subscriptions dialog with its add and publish steps, taken of the built program on a private X desktop with sample events due
# soon. Run from the worktree after a build; LANG and extra program arguments (-reverse for a
# right-to-left desktop) as wanted, e.g. LANG=de_DE.UTF-8 scripts/screenshots.sh /tmp/de
#   scripts/screenshots.sh [OUTPUT-FOLDER] [PROGRAM-ARGUMENT...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshots}")
shift || true
xdesktop=${XDESKTOP:-$root/../shared/tools/xdesktop}
work=$(mktemp -d /tmp/cw-shots.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

card() { # NAME DAYS-FROM-NOW BIRTH-YEAR [FIELD]
    printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nFN:%s\r\n%s:%s%s\r\nEND:VCARD\r\n' "$1" "${4:-BDAY}" "$3" \
        "$(date -d "+$2 days" +%m%d)"
}
{
    card "Ada Lovelace" 0 1985
    card "Aaron Bartholomew Montgomery-Fitzgerald" 3 1952
    card "Grandma Rosa" 9 1931
    card "Tom & Lea" 20 2005 ANNIVERSARY
    card "Zoë Okonkwo" 200 2019
} >"$work/sample.vcf"
{
    card "Élodie Fontaine" 40 1990
    card "Øystein Ångström" 70 1978
    card "Ìgbò Ọlá" 120 2001
} >"$work/more.vcf"

# The Subscriptions dialog's shots: a Radicale of the script's own with one user and an
# address book of three birthdays, filled over HTTP.
port=$((20000 + RANDOM % 20000))
dav=http://127.0.0.1:$port
mkdir -p "$work/dav"
echo 'alice:secret' >"$work/dav/users"
: >"$work/dav/config"
radicale --config "$work/dav/config" --server-hosts "127.0.0.1:$port" \
    --storage-filesystem-folder "$work/dav/storage" --auth-type htpasswd \
    --auth-htpasswd-filename "$work/dav/users" --auth-htpasswd-encryption plain \
    --auth-delay 0 >"$work/dav/log" 2>&1 &
radicale=$!
trap 'kill "$radicale" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do curl -s -o /dev/null "$dav/" && break; sleep 0.1; done
curl -sf -u alice:secret -X MKCOL -H 'Content-Type: application/xml' "$dav/alice/family/" \
    --data '<mkcol xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav"><set><prop>
<resourcetype><collection/><C:addressbook/></resourcetype><displayname>Family</displayname>
</prop></set></mkcol>' >/dev/null
# And a calendar to publish the events to.
curl -sf -u alice:secret -X MKCOL -H 'Content-Type: application/xml' "$dav/alice/phone/" \
    --data '<mkcol xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav"><set><prop>
<resourcetype><collection/><C:calendar/></resourcetype><displayname>Phone</displayname>
</prop></set></mkcol>' >/dev/null
n=0
for entry in "Mia Schneider:5:2016" "Jonas Weber:33:1979" "Grandpa Karl:150:1938"; do
    n=$((n + 1))
    IFS=: read -r name days year <<<"$entry"
    # From a file: Radicale takes no chunked upload.
    card "$name" "$days" "$year" | sed "s/^FN:/UID:family-$n\r\nFN:/" >"$work/dav/$n.vcf"
    curl -sf -u alice:secret -T "$work/dav/$n.vcf" -H 'Content-Type: text/vcard' \
        "$dav/alice/family/$n.vcf" >/dev/null
done

# One copy of the program a shot, each in its own folder with its own data file.
for view in LargeIcons SmallIcons List Details; do
    mkdir -p "$work/$view"
    cp "$root/build/candlewatcher" "$work/$view/"
    "$work/$view/candlewatcher" --import "$work/sample.vcf" >/dev/null
done

# Inside the desktop: the program in the tray, a second start to show its window, the shots.
cat >"$work/inside.sh" <<'INSIDE'
set -u
view=$1 work=$2 out=$3
shift 3
mkdir -p "$XDG_CONFIG_HOME/Marrowfell"
printf '[Settings]\nIconView=%s\nAlertTime=23:59\n' "$view" >"$XDG_CONFIG_HOME/Marrowfell/Candlewatcher.conf"
"$work/$view/candlewatcher" "$@" &
sleep 2
"$work/$view/candlewatcher" "$@"
sleep 1.5
shot() { # WINDOW-NAME FILE
    id=$(xdotool search --onlyvisible --name "$1" | head -n 1)
    [ -n "$id" ] && import -window "$id" -frame "$out/$2" && convert "$out/$2" -strip "$out/$2"
}
shot '^Candlewatcher v' "main-$view.png"
if [ "$view" = Details ]; then
    shot '^Candlewatcher$' notification.png
    xdotool search --onlyvisible --name '^Candlewatcher v' windowactivate --sync
    xdotool key alt+b i
    sleep 1.5
    xdotool type --delay 20 "$work/more.vcf"
    xdotool key Return
    sleep 1.5
    shot '^Import$' import-preview.png
    xdotool key Escape
    # Birthdays > Subscriptions..., Add: the address, user and password, Find, the address
    # book found, Preview; then Subscribe and the list.
    xdotool search --onlyvisible --name '^Candlewatcher v' windowactivate --sync
    xdotool key alt+b u
    sleep 1
    xdotool key alt+a
    sleep 0.5
    xdotool type --delay 20 "$DAV"
    xdotool key Tab && xdotool type --delay 20 alice
    xdotool key Tab && xdotool type --delay 20 secret
    xdotool key Return
    sleep 2
    xdotool key Return
    sleep 2
    shot '^Subscriptions$' subscriptions-add.png
    xdotool key Return
    sleep 1.5
    shot '^Subscriptions$' subscriptions.png
    # Add again: the calendar, ticked to publish the events to.
    xdotool key alt+a
    sleep 0.5
    xdotool type --delay 20 "$DAV"
    xdotool key Tab && xdotool type --delay 20 alice
    xdotool key Tab && xdotool type --delay 20 secret
    xdotool key Return
    sleep 2
    xdotool key End Tab space
    sleep 0.5
    shot '^Subscriptions$' subscriptions-publish.png
fi
INSIDE
for view in LargeIcons SmallIcons List Details; do
    seconds=6
    [ "$view" = Details ] && seconds=32
    DAV=$dav/ "$xdesktop" --seconds "$seconds" --shot "$work/desktop.png" -- \
        bash "$work/inside.sh" "$view" "$work" "$out" "$@" >/dev/null
done
ls -l "$out"
