#!/usr/bin/env bash
# Builds the Debian package with the README's command and checks what came out as Debian and
# the software centres do: lintian on the package, desktop-file-validate on its desktop entries,
# appstreamcli on its AppStream metadata. Fails on any error or warning; lintian's
# informational and pedantic tags are shown but may stay. Run by scripts/run-tests.sh (CI).
# Needs the packages that scripts/setup-debian.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."

rm -f build-package/candlewatcher_*.deb
cmake --workflow --preset package
debs=(build-package/candlewatcher_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one package, got: ${debs[*]}"; exit 1; }
deb=${debs[0]}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
failed=0

echo "--- lintian $deb"
lintian --fail-on error,warning --display-level '>=pedantic' "$deb" || failed=1

entries=("$tree/usr/share/applications/candlewatcher.desktop"
         "$tree/etc/xdg/autostart/candlewatcher.desktop")
echo "--- desktop-file-validate ${entries[*]#"$tree"}"
# It exits with 0 on hints and warnings, so anything it says counts as a failure.
report=$(desktop-file-validate "${entries[@]}" 2>&1) || failed=1
[ -z "$report" ] || { echo "$report"; failed=1; }

metainfo=("$tree"/usr/share/metainfo/*.metainfo.xml)
echo "--- appstreamcli validate --no-net ${metainfo[*]#"$tree"}"
appstreamcli validate --no-net --pedantic "${metainfo[@]}" || failed=1
# The same for the installed tree: also checks that the launchable desktop entry is there.
echo "--- appstreamcli validate-tree --no-net"
appstreamcli validate-tree --no-net "$tree" || failed=1

size=$(stat -c %s "$deb")
if [ "$failed" -ne 0 ]; then
    echo "FAIL: $deb ($size bytes) does not pass the checks above"
    exit 1
fi
echo "OK: $deb ($size bytes) passes lintian, desktop-file-validate and appstreamcli"
