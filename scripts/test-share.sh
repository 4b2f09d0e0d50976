#!/usr/bin/env bash
# Prints the non-blank code lines of src/ and of tests/ + fuzz/, and the tests' share of both.
# Counted: C++ sources and headers, shell and Python scripts, CMakeLists.txt (not test data).
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \
        -o -name CMakeLists.txt \) -print0 | xargs -0 cat | grep -cv '^[[:space:]]*$'
}
src=$(count src)
tests=$(count tests fuzz)
awk -v s="$src" -v t="$tests" 'BEGIN { printf "src %d, tests+fuzz %d, share %.2f %%\n", s, t, 100 * t / (s + t) }'
