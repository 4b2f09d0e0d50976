#!/usr/bin/env bash
# Builds Candlewatcher for Windows and runs its tests under Wine: the toolchain first, which
# takes seconds when its cache is there and about half an hour on two idle cores when it is not
# (docs/windows.md). Part of scripts/run-tests.sh; runs alone as well.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-windows-toolchain.sh
cmake --preset windows -DCANDLEWATCHER_WERROR=ON
cmake --build --preset windows
ctest --preset windows
