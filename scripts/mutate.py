#!/usr/bin/env python3
"""Measures the tests with mutants nobody chose: small automatic changes to the program's code,
picked at random with a seed, each built and run against the suite on its own.

    scripts/mutate.py --seed 7 --count 200            a sample across src/
    scripts/mutate.py --seed 7 --count 50 src/core    only files under the given folders
    scripts/mutate.py --seed 7 --count 200 --list     the sample, without building anything
    scripts/mutate.py --sites                         how many sites each kind of change has

Kinds of change: comparison and arithmetic operators, && and ||, true and false, boundary
constants (a number plus or minus one), a negated if condition, a removed statement (a call or
an assignment on a line of its own), a removed early return, the two arguments of a call
swapped, and changed string literals.

For each mutant the file is changed, the build in build-mutants is brought up to date (ninja
rebuilds what depends on the file), the tests run, and the file is put back whatever happened.
Only the tests the change can reach run: those whose executable, or a program the test starts
(named on its command line or built into it as a path), differs after the rebuild; a static
library only brings the objects a program uses into it, and the link is deterministic, so an
unchanged executable cannot tell the mutant apart. The real-desktop scenarios run as well for
the files only they reach (X11_ONLY). Each test has its own time limit: four times what it took
without any mutant, at least a minute. A mutant is killed when a test fails, survives when all
pass, did not build, timed out, or left every executable as it was ("unchanged": a file not
built on this platform, or a change the compiler folds away), which counts apart like "no build".

build-mutants is its own configuration, built for speed rather than debugging: -O1 without
debug information, linked with lld when it is there; asserts stay on as in the dev build.

Results go to build-mutants/mutants.jsonl as they come, so an interrupted run picks up where it
stopped with the same seed. Mutants judged equivalent (no behaviour can tell them from the
original) are listed with their reason in scripts/mutants-equivalent.txt, one "id  reason" per
line (an id is file:line:hash, "core/store/cellformat.cpp:107:d1a37b": an edit above the line
moves it, and the list is then brought up to date by hand); later runs neither run them nor count them. --again re-runs the survivors as recorded against
the tests as they are now (after a test was added for them). The run is kept out of CI: each
mutant costs an incremental build and the tests it reaches, half a minute on two cores.
"""
import argparse
import collections
import hashlib
import json
import os
import pathlib
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = ROOT / "build-mutants"
RESULTS = BUILD / "mutants.jsonl"
EQUIVALENT = ROOT / "scripts" / "mutants-equivalent.txt"
# Files whose code runs only in a real desktop session: their mutants also run those scenarios.
X11_ONLY = ("src/ui/tray/", "src/platform/notifier", "src/platform/singleinstance",
            "src/platform/keychainsecrets", "src/platform/linux/dbusnotifier",
            "src/platform/posix/singleinstance", "src/platform/posix/terminationwatcher",
            "src/ui/app/sessionmanager", "src/main.cpp")
SUITE_LABELS_OUT = {"fuzz", "x11", "wayland", "package"}
TIMEOUT = 600  # the incremental build
TEST_TIMEOUT_MIN = 60

Mutant = collections.namedtuple("Mutant", "id kind file line before after")

# Binary operators as clang-format spaces them, so templates, pointers and streams are left alone.
SWAPS = {
    "comparison": [(" == ", " != "), (" != ", " == "), (" < ", " <= "), (" <= ", " < "),
                   (" > ", " >= "), (" >= ", " > ")],
    "arithmetic": [(" + ", " - "), (" - ", " + "), (" * ", " / "), (" / ", " * "),
                   (" += ", " -= "), (" -= ", " += ")],
    "logical": [(" && ", " || "), (" || ", " && ")],
    "boolean": [("true", "false"), ("false", "true")],
}
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
STRING = re.compile(r'"((?:[^"\\]|\\.)+)"')
CALL_STATEMENT = re.compile(r"^\s*[\w:.\->\[\]]+\(.*\);\s*$")
ASSIGNMENT = re.compile(r"^\s*[\w.\->\[\]*]+ (=|\+=|-=|\|=|&=) [^=].*;\s*$")
EARLY_RETURN = re.compile(r"^\s*return\b[^;]*;\s*$")
IF_CONDITION = re.compile(r"\bif \(")
TWO_ARGUMENTS = re.compile(r"\b(\w+)\((\w+), (\w+)\)")


def code_lines(path):
    """(number, text, starts) of the lines that hold code (no comments, preprocessor lines or
    macros); starts tells whether the line begins a statement rather than continuing one."""
    in_comment = False
    previous = "{"
    for number, text in enumerate(path.read_text().splitlines(), 1):
        stripped = text.strip()
        if in_comment:
            in_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if (not stripped or stripped.startswith(("//", "#", "Q_", "static_assert"))
                or "QT_TR_NOOP" in stripped):
            continue
        yield number, text, previous.endswith((";", "{", "}", ":"))
        previous = without_trailing_comment(stripped).rstrip()


def without_trailing_comment(text):
    at = text.find("//")
    return text if at < 0 or text.count('"', 0, at) % 2 else text[:at]


def matching_paren(text, start):
    depth = 0
    for at in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[at], 0)
        if depth == 0:
            return at
    return -1


def line_mutants(text, starts):
    """(kind, new text) for every change this line allows."""
    code = without_trailing_comment(text)
    strings = [m.span() for m in STRING.finditer(code)]

    def outside_strings(at):
        return not any(start <= at < end for start, end in strings)

    for kind, swaps in SWAPS.items():
        for before, after in swaps:
            pattern = rf"\b{before}\b" if kind == "boolean" else re.escape(before)
            for match in re.finditer(pattern, code):
                if outside_strings(match.start()):
                    yield kind, text[:match.start()] + after + text[match.end():]
    for match in NUMBER.finditer(code):
        if outside_strings(match.start()):
            value = int(match.group(1))
            for changed in {value + 1, max(value - 1, 0)} - {value}:
                yield "constant", text[:match.start()] + str(changed) + text[match.end():]
    for start, end in strings:
        yield "string", text[:start] + '""' + text[end:]
    for match in IF_CONDITION.finditer(code):
        open_at = match.end() - 1
        close_at = matching_paren(code, open_at)
        if close_at > 0:
            condition = text[open_at + 1:close_at]
            yield "negation", f"{text[:open_at + 1]}!({condition}){text[close_at:]}"
    if not starts:
        pass
    elif EARLY_RETURN.match(code):
        yield "return", ""
    elif CALL_STATEMENT.match(code) or ASSIGNMENT.match(code):
        yield "statement", ""
    for match in TWO_ARGUMENTS.finditer(code):
        first, second = match.group(2), match.group(3)
        if first != second and outside_strings(match.start()):
            swapped = f"{match.group(1)}({second}, {first})"
            yield "arguments", text[:match.start()] + swapped + text[match.end():]


def mutant_id(relative, number, change):
    digest = hashlib.sha1(change.encode()).hexdigest()[:6]
    return f"{relative.removeprefix('src/')}:{number}:{digest}"


def all_mutants(folders):
    mutants = []
    for folder in folders:
        for path in sorted((ROOT / folder).rglob("*.cpp")):
            relative = str(path.relative_to(ROOT))
            for number, text, starts in code_lines(path):
                for kind, after in line_mutants(text, starts):
                    # The file and line name the mutant; the hash tells apart the changes made
                    # to one line. Two identical changes on two lines are two mutants.
                    change = f"{text.strip()}\n{after.strip()}\n{kind}"
                    identity = mutant_id(relative, number, change)
                    mutants.append(Mutant(identity, kind, relative, number, text, after))
    return mutants


def equivalent_ids():
    if not EQUIVALENT.exists():
        return {}
    result = {}
    for line in EQUIVALENT.read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            identity, _, reason = line.partition(" ")
            result[identity] = reason.strip()
    return result


def run(command, timeout=None, **kwargs):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout, **kwargs)


def configure():
    args = ["cmake", "-S", ".", "-B", str(BUILD), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
            "-DCANDLEWATCHER_TESTS=ON", "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g0"]
    if shutil.which("ld.lld"):
        args.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")
    if shutil.which("ccache"):
        args.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    result = run(args, env=dict(os.environ, CCACHE_BASEDIR=str(ROOT.parent)))
    if result.returncode != 0:
        sys.exit("configure failed:\n" + result.stdout)


def executables():
    """Path -> content hash of every program the build made."""
    hashes = {}
    for folder, subfolders, files in os.walk(BUILD):
        subfolders[:] = [d for d in subfolders if d not in ("CMakeFiles", "fuzz-build")]
        for name in files:
            path = pathlib.Path(folder, name)
            if os.access(path, os.X_OK) and path.read_bytes()[:4] == b"\x7fELF":
                hashes[str(path)] = hashlib.sha1(path.read_bytes()).hexdigest()
    return hashes


class Suite:
    """The tests CTest knows, each with the programs it runs and the time it took unmutated."""

    def __init__(self):
        listing = json.loads(run(["ctest", "--test-dir", str(BUILD),
                                  "--show-only=json-v1"]).stdout)
        programs = executables()
        self.tests = []
        for test in listing["tests"]:
            properties = {p["name"]: p["value"] for p in test.get("properties", [])}
            labels = set(properties.get("LABELS", []))
            if "fuzz" in labels or "package" in labels or not test.get("command"):
                continue
            command = test["command"]
            reaches = {arg for arg in command if arg in programs}
            if command[0] in programs:  # programs it starts by a path built into it
                text = pathlib.Path(command[0]).read_bytes()
                reaches |= {p for p in programs if p.encode() in text}
            env = dict(os.environ)
            env.update(v.split("=", 1) for v in properties.get("ENVIRONMENT", []))
            self.tests.append(dict(name=test["name"], command=command, labels=labels,
                                   cwd=properties.get("WORKING_DIRECTORY", str(BUILD)),
                                   env=env, reaches=reaches, seconds=0.0))
        self.hashes = programs

    def run_test(self, test, limit):
        started = time.monotonic()
        try:
            result = subprocess.run(test["command"], cwd=test["cwd"], env=test["env"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    timeout=limit, start_new_session=True)
            outcome = "passed" if result.returncode == 0 else "failed"
        except subprocess.TimeoutExpired:
            outcome = "timed out"
        return outcome, time.monotonic() - started

    def baseline(self):
        """Runs every test a mutant may run once, unmutated; the names of those that failed."""
        failed = []
        for test in self.tests:
            outcome, test["seconds"] = self.run_test(test, 600)
            if outcome != "passed":
                failed.append(test["name"])
        return failed

    def verdict(self, mutant):
        """killed / survived / no build / timed out / unchanged, and the tests that failed."""
        try:
            if run(["cmake", "--build", str(BUILD)], timeout=TIMEOUT).returncode != 0:
                return "no build", []
        except subprocess.TimeoutExpired:
            return "timed out", []
        now = executables()
        changed = {p for p, h in now.items() if self.hashes.get(p) != h}
        if not changed:
            return "unchanged", []
        labels_out = SUITE_LABELS_OUT - {"x11", "wayland"} \
            if mutant.file.startswith(X11_ONLY) else SUITE_LABELS_OUT
        reached = [t for t in self.tests if t["reaches"] & changed
                   and not t["labels"] & labels_out]
        # The quickest first: the first failure decides.
        for test in sorted(reached, key=lambda t: t["seconds"]):
            limit = max(TEST_TIMEOUT_MIN, 4 * test["seconds"])
            outcome, _ = self.run_test(test, limit)
            if outcome == "failed":
                return "killed", [test["name"]]
            if outcome == "timed out":
                return "timed out", [test["name"]]
        return "survived", []


def diff(mutant):
    return f"--- {mutant.file}:{mutant.line}\n-{mutant.before}\n+{mutant.after}"


def report(results, equivalent):
    counted = [r for r in results if r["id"] not in equivalent]
    by_folder = collections.defaultdict(collections.Counter)
    for result in counted:
        folder = "/".join(result["file"].split("/")[:2])
        by_folder[folder][result["verdict"]] += 1
        by_folder["all"][result["verdict"]] += 1
    print(f"\n{'folder':12} killed survived  no build  timed out  score")
    for folder in sorted(by_folder, key=lambda f: (f == "all", f)):
        c = by_folder[folder]
        scored = c["killed"] + c["survived"] + c["timed out"]
        score = 100 * (c["killed"] + c["timed out"]) / scored if scored else 0
        print(f"{folder:12} {c['killed']:6} {c['survived']:8} {c['no build']:9} "
              f"{c['timed out']:10}  {score:5.1f} %")
    survivors = [r for r in counted if r["verdict"] == "survived"]
    if survivors:
        print("\nsurvivors:")
        for result in survivors:
            print(f"\n[{result['id']}] {result['kind']}\n{result['diff']}")
    skipped = [r for r in results if r["id"] in equivalent]
    if skipped:
        print(f"\n{len(skipped)} judged equivalent, left out of the score")
    unchanged = sum(r["verdict"] == "unchanged" for r in counted)
    if unchanged:
        print(f"{unchanged} left every executable as it was, left out of the score")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=200)
    parser.add_argument("--list", action="store_true", help="print the sample only")
    parser.add_argument("--sites", action="store_true", help="count the sites per kind")
    parser.add_argument("--again", action="store_true",
                        help="run the sample's survivors again, against the tests as they are now")
    parser.add_argument("folders", nargs="*", default=["src"])
    args = parser.parse_args()

    mutants = all_mutants(args.folders)
    if args.sites:
        for kind, count in collections.Counter(m.kind for m in mutants).most_common():
            print(f"{kind:12} {count}")
        print(f"{'all':12} {len(mutants)}")
        return 0
    sample = random.Random(args.seed).sample(mutants, min(args.count, len(mutants)))
    if args.list:
        for mutant in sample:
            print(f"[{mutant.id}] {mutant.kind}\n{diff(mutant)}\n")
        return 0

    equivalent = equivalent_ids()
    # Stopped from outside, the file being mutated is still put back (the finally below).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    BUILD.mkdir(exist_ok=True)
    done = {}
    if RESULTS.exists():
        for line in RESULTS.read_text().splitlines():
            result = json.loads(line)
            done[result["id"]] = result  # a later line (a rerun) replaces an earlier one
    if args.again:
        # The survivors as they were recorded, not drawn again: the sources changed since would
        # give the same seed other sites.
        sample = [Mutant(*(v[field] for field in Mutant._fields))
                  for v in done.values() if v["verdict"] == "survived"]
        done = {}
    configure()
    if run(["cmake", "--build", str(BUILD)]).returncode != 0:  # untimed: may be a first build
        sys.exit("the program does not build without any mutant: mend that first")
    suite = Suite()
    failed = suite.baseline()
    if failed:
        sys.exit(f"{', '.join(failed)} fail without any mutant: mend that first")
    results = []
    for number, mutant in enumerate(sample, 1):
        if mutant.id in done:
            results.append(done[mutant.id])
            continue
        if mutant.id in equivalent:  # judged already: not run again
            print(f"[{number}/{len(sample)}] {mutant.id} equivalent, not run", flush=True)
            continue
        path = ROOT / mutant.file
        original = path.read_text()
        lines = original.split("\n")
        if lines[mutant.line - 1] != mutant.before:  # an edit above moved it
            print(f"[{number}/{len(sample)}] {mutant.id} no longer at its line, not run", flush=True)
            continue
        try:
            lines[mutant.line - 1] = mutant.after
            path.write_text("\n".join(lines))
            outcome, failed = suite.verdict(mutant)
        finally:
            path.write_text(original)
        result = dict(mutant._asdict(), verdict=outcome, failed=failed, diff=diff(mutant))
        results.append(result)
        with RESULTS.open("a") as out:
            out.write(json.dumps(result) + "\n")
        print(f"[{number}/{len(sample)}] {mutant.id} {mutant.file}:{mutant.line} "
              f"{mutant.kind}: {outcome}", flush=True)
    run(["cmake", "--build", str(BUILD)])  # leave the build matching the tree
    print(f"\nseed {args.seed}, {len(sample)} mutants of {len(mutants)} sites in "
          f"{', '.join(args.folders)}")
    report(results, equivalent)
    return 0


if __name__ == "__main__":
    sys.exit(main())
