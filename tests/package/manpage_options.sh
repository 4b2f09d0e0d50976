#!/bin/sh
# manpage_options.sh PROGRAM MANPAGE: fails unless every option that PROGRAM --help lists
# (as QCommandLineParser prints them: "  -h, --help  Displays ...") has its own entry, a
# line after .TP, in the manual page.
program=$1 page=$2
# A throw-away folder and home: the copy's data and settings stay out of the build tree and
# the user's files, and it meets no running copy.
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
cp "$program" "$work/candlewatcher" || exit 1
help=$(HOME=$work XDG_CONFIG_HOME=$work XDG_DATA_HOME=$work timeout 10 "$work/candlewatcher" --help) ||
    { s=$?; echo "FAIL: candlewatcher --help ended with status $s$([ $s = 124 ] && echo \
        ', still running after 10 s: it does not take --help')"; exit 1; }
options=$(printf '%s\n' "$help" | sed -n 's/^  \(-[^ ].*\)/\1/p' | sed 's/  .*//' |
    grep -oE -- '--?[[:alnum:]][[:alnum:]-]*')
[ -n "$options" ] || { echo "FAIL: no options in the --help output:"; echo "$help"; exit 1; }
entries=$(awk 'after_tp { print } { after_tp = ($0 ~ /^\.TP/) }' "$page" |
    sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g')
missing=0
for option in $options; do
    printf '%s\n' "$entries" | grep -qE -- "(^|[^[:alnum:]-])$option([^[:alnum:]-]|\$)" ||
        { echo "FAIL: $option is not described in $page"; missing=1; }
done
exit $missing
