#!/usr/bin/env python3
"""Checks translation files before they ship: every message finished (none unfinished,
vanished or obsolete), and each translation, each plural form, keeps its source's %1...%9
and %n places and its markup tags (a form for one number alone, as Arabic's dual, may say the
number in words); each plural message has as many forms as Qt's rules give the language; the
standard terms in captions (OK, Cancel, Help, Preferences, About) are the ones Qt's own
translation of the language uses.

    tests/core/text/check_translations.py translations/candlewatcher_de.ts [...]

Prints one line a problem and exits 1 when there is one."""
import re
import sys
import xml.etree.ElementTree as tree

KEPT = re.compile(r"%L?[1-9n]|<[^>]*>")
COUNT = re.compile(r"%L?n")

# Qt's plural rules (numerus): for each form, whether it is for one number alone.
FORMS = {
    "en": [True, False], "de": [True, False], "es": [True, False], "it": [True, False],
    "nl": [True, False], "fr": [False, False], "pt_BR": [False, False],
    "pl": [True, False, False], "ja": [False], "zh_CN": [False],
    "ar": [True, True, True, False, False, False],
}

# The terms of Qt 6's own translations (qtbase_*.qm: QPlatformTheme's buttons, the application
# menu's "Preferences..." and "About %1"), so the program's captions and Qt's agree.
TERMS = ["OK", "Cancel", "Help", "Preferences", "About"]
GLOSSARY = {language: dict(zip(TERMS, words.split("|"))) for language, words in {
    "de": "OK|Abbrechen|Hilfe|Einstellungen|Über",
    "fr": "OK|Annuler|Aide|Préférences|À propos de",
    "es": "Aceptar|Cancelar|Ayuda|Preferencias|Acerca de",
    "it": "OK|Annulla|Aiuto|Preferenze|Informazioni su",
    "pl": "OK|Anuluj|Pomoc|Preferencje|O ",
    "ar": "حسنًا|ألغِ|مساعدة|تفضيلات|عن",
    "ja": "OK|キャンセル|ヘルプ|設定|について",
    "zh_CN": "确定|取消|帮助|首选项|关于",
    "pt_BR": "OK|Cancelar|Ajuda|Preferências|Sobre",
    "nl": "OK|Annuleren|Help|Voorkeuren|Over",
}.items()}


def caption(text):
    return re.sub(r"\(&.\)|&|\.\.\.|…|:$", "", text or "").strip()


def glossary_problems(language, source, translation):
    """The standard terms a caption (at most three words) uses but its translation does not."""
    words = caption(source).split()
    if not words or len(words) > 3:
        return
    shown = caption(translation).casefold()
    for term, wanted in GLOSSARY.get(language, {}).items():
        if term in words and wanted.casefold() not in shown:
            yield f"says {term!r} without Qt's {wanted!r}"


def kept(text):
    return sorted(KEPT.findall(text or ""))


def problems(path):
    root = tree.parse(path).getroot()
    language = root.get("language", "").replace("-", "_")
    language = language if language in FORMS else language.split("_")[0]
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
            numerus = message.get("numerus") == "yes"
            forms = translation.findall("numerusform") if numerus else [translation]
            alone = FORMS.get(language, [])
            if numerus and len(forms) != len(alone):
                yield f"{where}: {len(forms)} plural forms, not {len(alone)}"
            for i, form in enumerate(forms):
                # A form for one number alone may say it in words ("يومين").
                wanted = kept(source)
                if numerus and i < len(alone) and alone[i] and not COUNT.search(form.text or ""):
                    wanted = [place for place in wanted if not COUNT.fullmatch(place)]
                if not form.text:
                    yield f"{where}: empty"
                elif kept(form.text) != wanted:
                    yield f"{where}: keeps {kept(form.text)}, not {wanted}"
            if not numerus:
                for problem in glossary_problems(language, source, translation.text):
                    yield f"{where}: {problem}"
    if messages == 0:
        yield f"{path}: no messages"


def main():
    found = [line for path in sys.argv[1:] for line in problems(path)]
    print("\n".join(found) if found else f"{len(sys.argv) - 1} file(s) complete")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
