#!/usr/bin/env bash
# Sets up, builds and starts Candlewatcher. It starts in the system tray.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset dev
cmake --build --preset dev --target candlewatcher
exec ./build/candlewatcher
