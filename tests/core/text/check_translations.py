#!/usr/bin/env python3
"""Checks translation files before they ship: every message finished (none unfinished,
vanished or obsolete), and each translation, each plural form, keeps its source's %1...%9
and %n places and its markup tags.

    tests/core/text/check_translations.py translations/candlewatcher_de.ts [...]

Prints one line a problem and exits 1 when there is one."""
import re
import sys
import xml.etree.ElementTree as tree

KEPT = re.compile(r"%L?[1-9n]|<[^>]*>")


def kept(text):
    return sorted(KEPT.findall(text or ""))


def problems(path):
    root = tree.parse(path).getroot()
    messages = 0
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            messages += 1
            source = message.findtext("source")
            where = f"{path}: {name}: {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                yield f"{where}: {kind}"
                continue
            forms = translation.findall("numerusform") if message.get("numerus") == "yes" \
                else [translation]
            for form in forms:
                if not form.text:
                    yield f"{where}: empty"
                elif kept(form.text) != kept(source):
                    yield f"{where}: keeps {kept(form.text)}, not {kept(source)}"
    if messages == 0:
        yield f"{path}: no messages"


def main():
    found = [line for path in sys.argv[1:] for line in problems(path)]
    print("\n".join(found) if found else f"{len(sys.argv) - 1} file(s) complete")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
