#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in a build folder of their own and runs each for a
# bounded time on a copy of the seed corpus in fuzz/corpus/<name>.
#
#   scripts/run-fuzzers.sh                      build, then run every fuzzer for 60 s
#   scripts/run-fuzzers.sh --seconds 600 fuzz_store
#   scripts/run-fuzzers.sh --build-only
#   scripts/run-fuzzers.sh --no-build fuzz_text   (after --build-only; runs may go in parallel)
#
# The build folder is $CW_FUZZ_BUILD_DIR (default build-fuzz). A finding is written to
# <build folder>/artifacts/ and ends the script with a failure. Exits with 77 (what CTest counts
# as skipped) when clang or its fuzzer runtime is not installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CW_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds=60
build_only=0
no_build=0
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds="$2"; shift 2 ;;
        --build-only) build_only=1; shift ;;
        --no-build) no_build=1; shift ;;
        *) targets+=("$1"); shift ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_store fuzz_text fuzz_vcard fuzz_icalendar fuzz_dav)

if ! command -v clang++ >/dev/null ||
   ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    echo "clang++ or libclang-rt-dev (libFuzzer) is not installed: fuzzers skipped" >&2
    exit 77
fi

if [ $no_build -eq 1 ]; then
    for target in "${targets[@]}"; do
        [ -x "$build/fuzz/$target" ] || { echo "$build/fuzz/$target is not built" >&2; exit 1; }
    done
elif [ $build_only -eq 1 ] || [ ! -f "$build/CMakeCache.txt" ]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Optimised: the fuzzers find more per second, the sanitizers still see everything.
    cmake -S "$root" --preset fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
[ $no_build -eq 1 ] || cmake --build "$build" -j2 --target fuzz_store fuzz_text fuzz_vcard fuzz_icalendar fuzz_dav
[ $build_only -eq 1 ] && exit 0

mkdir -p "$build/artifacts"
status=0
for target in "${targets[@]}"; do
    name="${target#fuzz_}"
    work="$build/corpus/$name"
    mkdir -p "$work"
    echo "== $target for ${seconds}s"
    # The first folder receives what the run finds; the seeds stay untouched.
    if ! "$build/fuzz/$target" "$work" "$root/fuzz/corpus/$name" \
            -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$build/artifacts/$target-" 2>"$build/$target.log"; then
        tail -40 "$build/$target.log" >&2
        echo "$target found a problem; see $build/artifacts/" >&2
        status=1
    else
        grep -E '^(Done|stat::number_of_executed_units)' "$build/$target.log" || true
    fi
done
exit $status
