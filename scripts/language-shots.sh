#!/usr/bin/env bash
# The screenshots of docs/screenshots/LANGUAGE: the main window, the editor, the alert and the
# notification, taken of the built program on a private X desktop with sample events, one due
# today. Run from the worktree after a build:
#   scripts/language-shots.sh [LANGUAGE...]     (default: ar ja de)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
xdesktop=${XDESKTOP:-$root/../shared/tools/xdesktop}
work=$(mktemp -d /tmp/cw-language-shots.XXXXXX)
trap 'rm -rf "$work"' EXIT

card() { # NAME DAYS-FROM-NOW BIRTH-YEAR
    printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nFN:%s\r\nBDAY:%s%s\r\nEND:VCARD\r\n' "$1" "$3" \
        "$(date -d "+$2 days" +%m%d)"
}
{
    card "Ada Lovelace" 0 1985
    card "Grandma Rosa" 2 1931
    card "Zoë Okonkwo" 12 2019
    card "Tom Weber" 353 1982
} >"$work/sample.vcf"

cat >"$work/inside.sh" <<'INSIDE'
set -u
program=$1 out=$2 sample=$3
mkdir -p "$XDG_CONFIG_HOME/Marrowfell"
printf '[Settings]\nIconView=Details\nAlertTime=00:00\n' >"$XDG_CONFIG_HOME/Marrowfell/Candlewatcher.conf"
"$program" --import "$sample" >/dev/null
shot() { # WINDOW FILE
    [ -n "$1" ] && import -window "$1" -frame "$out/$2" && convert "$out/$2" -strip "$out/$2"
}
"$program" &
sleep 3
# The alert takes the keyboard; the notification does not.
shot "$(xdotool getactivewindow)" alert.png
shot "$(xdotool search --onlyvisible --name '^Candlewatcher$' | head -n 1)" notification.png
xdotool key Escape
sleep 0.5
"$program"
sleep 1.5
main=$(xdotool search --onlyvisible --name '^Candlewatcher v' | head -n 1)
shot "$main" main-Details.png
xdotool windowactivate --sync "$main" key ctrl+n
sleep 1
shot "$(xdotool getactivewindow)" editor.png
INSIDE

for language in "${@:-ar ja de}"; do
    for each in $language; do
        case $each in ar) lang=ar_EG ;; ja) lang=ja_JP ;; *) lang=${each}_$(echo "$each" | tr a-z A-Z) ;; esac
        mkdir -p "$work/$each" "$root/docs/screenshots/$each"
        cp "$root/build/candlewatcher" "$work/$each/"
        LANG=$lang.UTF-8 LANGUAGE=$each "$xdesktop" --seconds 12 --shot "$work/desktop-$each.png" -- \
            bash "$work/inside.sh" "$work/$each/candlewatcher" "$root/docs/screenshots/$each" \
            "$work/sample.vcf" >/dev/null
        ls -l "$root/docs/screenshots/$each"
    done
done
