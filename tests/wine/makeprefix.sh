#!/usr/bin/env bash
# Makes the Wine prefix $WINEPREFIX anew, without Wine's offers to install Mono and Gecko, and
# waits until Wine has finished with it.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix of the tests}"
case $WINEPREFIX in /|"$HOME"|"$HOME/.wine") echo "refusing to remake $WINEPREFIX" >&2; exit 1 ;; esac
rm -rf "$WINEPREFIX"
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
wineserver -w
[ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot made no prefix in $WINEPREFIX" >&2; exit 1; }
