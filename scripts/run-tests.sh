#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless, then builds the Debian package and
# checks it. Used by the README and by CI.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset dev
cmake --build --preset dev
ctest --preset dev
scripts/check-package.sh
