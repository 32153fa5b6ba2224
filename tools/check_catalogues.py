#!/usr/bin/python3
"""Every catalogue is complete: each text translated and finished, the same
placeholders (%1, %n) in the translation as in the source (a plural form may
leave %n out, as "once" does), each plural form filled, and a menu's one
shortcut letter (&) kept.

Usage: check_catalogues.py CATALOGUE.ts ...

Prints how many texts each catalogue holds; exits 1 when one is not complete.
The English catalogue holds the plural forms of the source texts alone.
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

# How many plural forms a language has, where it is not two (as in German).
# Qt's lrelease knows them all; these are the ones a catalogue here uses.
PLURAL_FORMS = {"ja": 1, "ko": 1, "zh": 1, "ru": 3, "uk": 3, "pl": 3, "cs": 3}
PLACEHOLDER = re.compile(r"%(?:L?[1-9][0-9]?|n)")


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def shortcuts(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def check(path):
    root = ElementTree.parse(path).getroot()
    language = root.get("language", "").split("_")[0]
    forms = PLURAL_FORMS.get(language, 2)
    faults = []
    count = 0
    for context in root.iter("context"):
        for message in context.iter("message"):
            count += 1
            source = message.findtext("source", "")
            where = f"{path}: {context.findtext('name')}: {source!r}"
            translation = message.find("translation")
            if translation is None or translation.get("type"):
                state = "missing" if translation is None else translation.get("type")
                faults.append(f"{where} is {state}")
                continue
            plural = message.get("numerus") == "yes"
            texts = [form.text or "" for form in translation.iter("numerusform")] if plural \
                else [translation.text or ""]
            if plural and len(texts) != forms:
                faults.append(f"{where} has {len(texts)} plural forms, not {forms}")
            if language == "en" and not plural:
                faults.append(f"{where} is in the English catalogue, which holds plural forms alone")
            for text in texts:
                if not text.strip():
                    faults.append(f"{where} has an empty translation")
                # A plural form may leave the number out: "once" for "%n times".
                elif [p for p in placeholders(text) if not plural or p != "%n"] != \
                        [p for p in placeholders(source) if not plural or p != "%n"]:
                    faults.append(f"{where}: {text!r} has the placeholders {placeholders(text)}, "
                                  f"not {placeholders(source)}")
                elif shortcuts(text) != shortcuts(source):
                    faults.append(f"{where}: {text!r} has {shortcuts(text)} shortcut letters (&), "
                                  f"not {shortcuts(source)}")
    return count, faults


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip().splitlines()[4], file=sys.stderr)
        return 2
    failures = 0
    for path in sys.argv[1:]:
        count, faults = check(path)
        print(f"{path.rsplit('/', 1)[-1]}: {count} texts" + (f", {len(faults)} not complete" if faults else ""))
        for fault in faults:
            print(f"  {fault}")
        failures += len(faults)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
