#!/usr/bin/env bash
# Static checks beyond the compiler's warnings, over every file of src/ and tests/ that the dev
# build compiles (its compile_commands.json): clang-tidy with the checks .clang-tidy lists
# (bugprone-*, a few performance-* and modernize-use-override), then clazy's Qt checks below.
# Fails on any finding. Longer than a few minutes on two cores, so CI runs it
# (scripts/run-tests.sh) rather than ctest.
#
#   scripts/check-tidy.sh [BUILD_DIR] [FILE...]   default: build (the dev preset), every file
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
# Qt's own idioms: the context-taking connect for lambdas and a local captured by reference only
# where a local context drops the connection with it (connect-3arg-lambda, lambda-in-connect), no
# string-based connects (old-style-connect), a connect to a signal that is one and not overloaded
# (connect-non-signal, overloaded-signal), emit only for signals (incorrect-emit), no detaching or
# copying range-for over a Qt container (range-loop-detach, range-loop-reference), one arg() with
# several arguments (qstring-arg). The bare keywords (qt-keywords) are the compiler's to refuse
# (QT_NO_KEYWORDS): clazy 1.11 does not see Qt 6's.
clazy_checks=connect-3arg-lambda,lambda-in-connect,old-style-connect,connect-non-signal,overloaded-signal,incorrect-emit,range-loop-detach,range-loop-reference,qstring-arg
jobs=${JOBS:-2}

for tool in clang-tidy-14 run-clang-tidy-14 clazy-standalone; do
    command -v "$tool" >/dev/null || {
        echo "check-tidy: $tool is missing (apt-get install clang-tidy-14 clazy)" >&2
        exit 1
    }
done
[ -f "$build/compile_commands.json" ] || {
    echo "check-tidy: no $build/compile_commands.json: configure and build the dev preset first" >&2
    exit 1
}

if [ $# -gt 0 ]; then
    files=("$@")
else
    # The program's and the tests' own sources; moc's and rcc's, in the build folder, are Qt's.
    mapfile -t files < <(python3 -c '
import json, os, sys
root = os.getcwd()
for entry in json.load(open(sys.argv[1])):
    f = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if f.startswith((root + "/src/", root + "/tests/")):
        print(f)' "$build/compile_commands.json" | sort -u)
fi
status=0

# The findings, each once (a header's come with every file that includes it), without colours.
findings() { sed 's/\x1b\[[0-9;]*m//g' "$1" | grep -E '(warning|error): ' | sort -u; }

echo "--- clang-tidy (${#files[@]} files)"
run-clang-tidy-14 -quiet -p "$build" -j "$jobs" -clang-tidy-binary "$(command -v clang-tidy-14)" \
    "${files[@]}" >"$build/clang-tidy.log" 2>&1 || status=1
findings "$build/clang-tidy.log"
[ "$status" = 0 ] || echo "clang-tidy: the findings above (the whole run in $build/clang-tidy.log)"

echo "--- clazy ($clazy_checks)"
printf '%s\0' "${files[@]}" |
    xargs -0 -n 8 -P "$jobs" clazy-standalone -p "$build" -checks="$clazy_checks" \
        -header-filter='/(src|tests)/.*\.h$' -ignore-dirs='_autogen' >"$build/clazy.log" 2>&1 ||
    status=1
if findings "$build/clazy.log" | grep .; then
    status=1
    echo "clazy: the findings above (the whole run in $build/clazy.log)"
fi
exit $status
