#!/usr/bin/python3
"""What Orca says as the window is used from the keyboard, checked step by step.

Usage, as root: screen_reader_check.py [--tool SCREEN_READER] [--german] PROGRAM

Runs PROGRAM under Orca with the screen-reader tool (by default the one in
../shared/tools beside the repository), presses the keys below and checks what
Orca spoke after each: the fields' whole values (0 too), what the picture shows
after Start, Clear and a Start that fails, the picture's menu as a menu with
its items, and the picture's description reached by flat review. --german runs
Orca and the program with LANG=de_DE.UTF-8 (the locale must be there) and
checks the German words, each button's name among them. Prints the
transcript (Orca's own log is kept in a temporary folder); exits 0 when every step said what it should, 1 when one did not,
2 when the tool could not run.
"""
import os
import subprocess
import sys
import tempfile

# Each key (with the seconds to wait after it), and what Orca must have said
# after it: all of these, each as part of one utterance.
STEPS = [
    ("start", ["R1 text", "120."]),
    ("Tab", ["Start push button", "Return presses it; Space ends the program."]),
    ("Return@4", ["Grey circle, radius 120. 1 curve: R1 120, R2 33, R3 40 in "]),
    ("Tab", ["R2 text", "33 selected."]),
    ("Tab", ["R3 text", "40 selected."]),
    ("ctrl+a", []),
    ("0", []),
    ("shift+Tab", ["33 selected."]),
    ("Tab", ["0 selected."]),
    ("Tab", ["Clear push button"]),
    ("Return@4", ["Grey circle, radius 120. No curves."]),
    ("shift+F10@3", ["Picture popup menu", "Copy Picture, Save Picture As…"]),
    ("Escape", ["Clear push button"]),
    # Flat review: the line of controls, the picture's line above it, the picture itself.
    ("KP_Up", []),
    ("KP_Home", []),
    ("Insert+KP_Begin", ["Picture image", "Grey circle, radius 120. No curves."]),
    ("KP_Subtract", []),
    ("Tab", ["End push button"]),
    ("Tab", ["R1 text"]),
    ("ctrl+a", []),
    ("BackSpace", []),
    ("Tab", ["Start push button"]),
    ("Return@4", ["Division by zero"]),
    ("Return@4", ["1 curve: R1 0, R2 33, R3 0 in ", 'stopped part-way by "Division by zero".']),
]
# The same steps in German: the program's words as its German catalogue has
# them, after Orca's own German for a button's role.
GERMAN_STEPS = [
    ("start", ["R1 ", "120.", "Radius des festen Kreises."]),
    ("Tab", ["Start Druckknopf", "Eingabetaste drückt ihn; Leertaste beendet das Programm."]),
    ("Return@4", ["Grauer Kreis, Radius 120. 1 Kurve: R1 120, R2 33, R3 40, Farbe: "]),
    ("Tab", ["33 ausgewählt.", "Radius des rollenden Kreises; negativ rollt er innen."]),
    ("Tab", ["40 ausgewählt.", "Abstand des Stifts vom Mittelpunkt des rollenden Kreises."]),
    ("ctrl+a", []),
    ("0", []),
    ("shift+Tab", ["33 ausgewählt."]),
    ("Tab", ["0 ausgewählt."]),
    ("Tab", ["Neu Druckknopf", "löscht das Bild und zeichnet den grauen Kreis mit Radius R1 neu."]),
    ("Return@4", ["Grauer Kreis, Radius 120. Keine Kurven."]),
    ("shift+F10@3", ["Bild ", "Bild kopieren, Bild speichern unter…"]),
    ("Escape", ["Neu Druckknopf"]),
    ("KP_Up", []),
    ("KP_Home", []),
    ("Insert+KP_Begin", ["Bild ", "Grauer Kreis, Radius 120. Keine Kurven."]),
    ("KP_Subtract", []),
    ("Tab", ["Ende Druckknopf", "beendet das Programm."]),
    ("Tab", ["R1 "]),
    ("ctrl+a", []),
    ("BackSpace", []),
    ("Tab", ["Start Druckknopf"]),
    ("Return@4", ["Division durch Null", "R1 ist leer: Der feste Kreis braucht einen anderen Radius als 0."]),
    ("Return@4", ["1 Kurve: R1 0, R2 33, R3 0, Farbe: ", "unterwegs abgebrochen durch „Division durch Null“."]),
]
# Orca 48 names a push button "button", in German "Knopf".
ALIKE = {"push button": "button", "Druckknopf": "Knopf"}


def said(utterances, words):
    return any(words in utterance or words.replace(*pair) in utterance
               for utterance in utterances for pair in ALIKE.items())


def main():
    arguments = sys.argv[1:]
    here = os.path.dirname(os.path.abspath(__file__))
    tool = os.path.join(here, "..", "..", "shared", "tools", "screen-reader")
    if arguments[:1] == ["--tool"]:
        tool, arguments = arguments[1], arguments[2:]
    steps, environment = STEPS, dict(os.environ)
    if arguments[:1] == ["--german"]:
        arguments = arguments[1:]
        steps = GERMAN_STEPS
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            environment.pop(name, None)
        environment["LANG"] = "de_DE.UTF-8"
    if len(arguments) != 1:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    keys = [key for key, _ in steps[1:]]
    logs = tempfile.mkdtemp(prefix="screen-reader-check.")
    run = subprocess.run(["bash", tool, arguments[0], *keys], capture_output=True, text=True,
                         env=dict(environment, SCREEN_READER_DIR=logs))
    print(run.stdout, end="")
    if run.returncode != 0:
        print(f"screen_reader_check: the tool failed ({run.returncode}): {run.stderr.strip()}", file=sys.stderr)
        return 2
    lines = [line for line in run.stdout.splitlines() if ": " in line or line.endswith(":")]
    if len(lines) != len(steps):
        print(f"screen_reader_check: {len(lines)} steps in the transcript, not {len(steps)}", file=sys.stderr)
        return 1
    failures = 0
    for number, ((key, expected), line) in enumerate(zip(steps, lines)):
        utterances = line.split(": ", 1)[1].split(" | ") if ": " in line else []
        for words in expected:
            if not said(utterances, words):
                print(f"screen_reader_check: step {number} ({key}) did not say {words!r}", file=sys.stderr)
                failures += 1
    if failures:
        print(f"screen_reader_check: Orca's log and the program's are in {logs}", file=sys.stderr)
        return 1
    print("screen_reader_check: Orca said all it should")
    return 0


if __name__ == "__main__":
    sys.exit(main())
