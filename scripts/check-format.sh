#!/usr/bin/env bash
# Fails when a C++ file is not laid out as .clang-format says; prints each file that is not.
# clang-format-14, as Debian 12 has it: another version lays some lines out differently.
#
#   scripts/check-format.sh          check src/, tests/, bench/ and fuzz/
#   scripts/check-format.sh --fix    format them in place
set -uo pipefail
cd "$(dirname "$0")/.."
tool=$(command -v clang-format-14 || true)
if [ -z "$tool" ]; then
    echo "check-format: clang-format-14 is missing (apt-get install clang-format-14)" >&2
    exit 1
fi
mapfile -d '' files < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ "${1:-}" = --fix ]; then
    exec "$tool" -i "${files[@]}"
fi
# One run for all: each line it would change is reported as "FILE:LINE:COLUMN: error: ...".
report=$("$tool" --dry-run --Werror "${files[@]}" 2>&1 >/dev/null)
ran=$?
unformatted=$(grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | uniq)
if [ -n "$unformatted" ]; then
    while IFS= read -r file; do echo "format: $file (scripts/check-format.sh --fix formats it)"; done \
        <<<"$unformatted"
    exit 1
fi
[ "$ran" = 0 ] || { echo "check-format: $tool failed: $report" >&2; exit 1; }
