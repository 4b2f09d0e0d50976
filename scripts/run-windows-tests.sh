#!/usr/bin/env bash
# Builds Candlewatcher for Windows and runs its tests under Wine: the toolchain first, which
# takes seconds when its cache is there and about half an hour on two idle cores when it is not
# (docs/windows.md); then makes the zip and the installer. Part of scripts/run-tests.sh; runs
# alone as well.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-windows-toolchain.sh
cmake --preset windows -DCANDLEWATCHER_WERROR=ON
cmake --build --preset windows
ctest --preset windows
# The packages: both made, and the zip holds the program and the platform plug-in it needs.
scripts/package-windows.sh
listing=$(unzip -l build-windows/candlewatcher-*-windows-x64.zip)
for f in Candlewatcher/candlewatcher.exe Candlewatcher/platforms/qwindows.dll; do
    grep -q " $f\$" <<<"$listing" || { echo "the zip has no $f" >&2; exit 1; }
done
scripts/check-windows-installer.sh build-windows/candlewatcher-*-windows-x64-setup.exe \
    build-windows/package/Candlewatcher
