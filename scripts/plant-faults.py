#!/usr/bin/env python3
"""Plants realistic single faults in the program, one at a time, and checks that the test
suite catches each one.

    scripts/plant-faults.py                  every fault in scripts/faults/*.txt
    scripts/plant-faults.py store-key-255    only the faults whose names are given
    scripts/plant-faults.py --list           the faults, without running anything
    scripts/plant-faults.py --tests REGEX ...  run only the tests whose names match (a quick
                                             look while writing tests; the count is taken
                                             with the whole suite)

For each fault the script replaces one exact piece of text in one source file (the piece must
occur exactly once, so a fault never lands somewhere unintended), rebuilds in a build folder of
its own (build-faults, so the developer's build is left alone), runs the offscreen suite (no
fuzzers, no X server, no packaging) and puts the file back, whatever happened. A fault counts
as caught when a test fails or the build breaks on purpose-made test code. It is kept out of CI:
one run takes the better part of an hour.

The lists in scripts/faults/ (one file per part of the program) hold one fault per block:

    name: store-key-255
    file: src/core/store/birthdaystore.cpp
    find: while (key >= 256) {
    into: while (key > 256) {
    why:  the key encoding's boundary

Lines of find/into may continue on following lines that start with "    | ".
"""
import os
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = ROOT / "build-faults"
LISTS = ROOT / "scripts" / "faults"


def parse(text):
    faults, current, last = [], {}, None
    for line in text.splitlines():
        if line.startswith("#"):
            continue
        if not line.strip():
            if current:
                faults.append(current)
            current, last = {}, None
            continue
        if line.startswith("    | ") and last:
            current[last] += "\n" + line[6:]
            continue
        key, _, value = line.partition(":")
        last = key.strip()
        current[last] = value[1:] if value.startswith(" ") else value
    if current:
        faults.append(current)
    for fault in faults:
        missing = {"name", "file", "find", "into", "why"} - fault.keys()
        if missing:
            sys.exit(f"fault {fault.get('name', '?')}: missing {', '.join(sorted(missing))}")
    return faults


def run(command, **kwargs):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, **kwargs)


def configure():
    env = dict(os.environ, CCACHE_BASEDIR=str(ROOT.parent))
    args = ["cmake", "-S", ".", "-B", str(BUILD), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
            "-DCANDLEWATCHER_TESTS=ON"]
    if subprocess.run(["which", "ccache"], stdout=subprocess.DEVNULL).returncode == 0:
        args.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    result = run(args, env=env)
    if result.returncode != 0:
        sys.exit("configure failed:\n" + result.stdout)


def suite(only=None):
    """[]: all passed; otherwise the names of what failed."""
    build = run(["cmake", "--build", str(BUILD)])
    if build.returncode != 0:
        return ["(build failed)"]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    tests = run(["ctest", "--test-dir", str(BUILD), "-LE", "fuzz|x11|package|wayland",
                 "-j", str(os.cpu_count() or 2), "--timeout", "300"]
                + (["-R", only] if only else []), env=env)
    if tests.returncode == 0:
        return []
    return [line.split(" - ", 1)[1].split(" (")[0].strip()
            for line in tests.stdout.splitlines() if " - " in line and "(" in line] or ["?"]


def main():
    args = sys.argv[1:]
    only = None
    if "--tests" in args:
        at = args.index("--tests")
        only = args[at + 1]
        del args[at:at + 2]
    faults = [f for path in sorted(LISTS.glob("*.txt")) for f in parse(path.read_text())]
    names = [f["name"] for f in faults]
    if len(set(names)) != len(names):
        sys.exit("two faults share a name")
    if args == ["--list"]:
        for fault in faults:
            print(f"{fault['name']:32} {fault['file']}: {fault['why']}")
        return 0
    if args:  # in the order given, so the faults that matter most can run first
        by_name = {f["name"]: f for f in faults}
        unknown = [name for name in args if name not in by_name]
        if unknown:
            sys.exit("no such fault: " + ", ".join(unknown))
        faults = [by_name[name] for name in args]
    for fault in faults:  # every fault must apply before any is run
        text = (ROOT / fault["file"]).read_text()
        if text.count(fault["find"]) != 1:
            sys.exit(f"fault {fault['name']}: the text to replace occurs "
                     f"{text.count(fault['find'])} times in {fault['file']}, not once")
    configure()
    if suite(only):
        sys.exit("the suite fails without any fault planted: mend that first")
    missed = []
    for number, fault in enumerate(faults, 1):
        path = ROOT / fault["file"]
        original = path.read_text()
        try:
            path.write_text(original.replace(fault["find"], fault["into"], 1))
            failed = suite(only)
        finally:
            path.write_text(original)
        verdict = "caught by " + ", ".join(failed) if failed else "MISSED"
        print(f"[{number}/{len(faults)}] {fault['name']}: {verdict}", flush=True)
        if not failed:
            missed.append(fault["name"])
    run(["cmake", "--build", str(BUILD)])  # leave the build matching the tree
    print(f"\n{len(faults) - len(missed)} of {len(faults)} faults caught")
    if missed:
        print("missed: " + ", ".join(missed))
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
