#!/usr/bin/python3
"""The window as a screen reader sees it, through the AT-SPI accessibility bus.

Usage: atspi_check.py PROGRAM
Run inside an accessibility bus with a display, as CI does:
  dbus-run-session -- xvfb-run -a /usr/bin/python3 tools/atspi_check.py build/dev/src/window/volvenda

Starts the bus's launcher, opens the window with accessibility on, reads its
tree (a frame named "Volvenda", the fields named by their labels, described
buttons, the picture as an image described in words), presses Start through
its accessible action, waits for the picture's description to tell of the
curve and for it to be told, once, as news a screen reader speaks wherever
the focus is, then presses End the same way and expects the program to end with 0.
Needs python3-pyatspi (and at-spi2-core for the bus).
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print(f"atspi_check: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, check, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = check()
        if found:
            return found
        time.sleep(0.2)
    fail(f"timed out waiting for {what}")


def find(root, role, name):
    """The first accessible below root with the role and name, or None."""
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and a.name == name)


def press(button):
    actions = button.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if "Press" not in names:
        fail(f"{button.name} offers no Press action, only {names}")
    actions.doAction(names.index("Press"))


def main():
    if len(sys.argv) != 2:
        fail("usage: atspi_check.py PROGRAM")
    # A desktop session starts the bus's launcher; a bare session bus only
    # starts it when asked, and Qt waits for it to appear.
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.a11y.Bus.GetAddress"], check=True, stdout=subprocess.DEVNULL)
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        app = wait_for("the program on the bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "volvenda"), None))
        frame = wait_for("its window", lambda: find(app, pyatspi.ROLE_FRAME, "Volvenda"))
        picture = wait_for("the picture", lambda: find(frame, pyatspi.ROLE_IMAGE, "Picture"))
        if picture.description != "Grey circle, radius 120. No curves.":
            fail(f"the picture at start-up reads {picture.description!r}")
        for name, description in [("R1", "radius of the fixed circle"),
                                  ("R2", "radius of the rolling circle; negative rolls it inside"),
                                  ("R3", "distance of the pen from the rolling circle's centre")]:
            field = find(frame, pyatspi.ROLE_TEXT, name)
            if field is None or field.description != description:
                fail(f"no text field {name} described as {description!r}")
        buttons = {name: find(frame, pyatspi.ROLE_PUSH_BUTTON, name) for name in ("Start", "Clear", "End")}
        for name, button in buttons.items():
            if button is None or not button.description:
                fail(f"no described push button {name}")
        print(f"picture: {picture.description}")

        # A screen reader says what the picture shows as news, wherever the
        # focus is: an announcement (Qt 6.8 on) or a notification that shows.
        told = []
        def listener(event):
            if event.type.startswith("object:announcement"):
                told.append(event.any_data)
            elif event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                told.append(event.source.description)
        pyatspi.Registry.registerEventListener(listener, "object:announcement", "object:state-changed:showing")
        press(buttons["Start"])
        curve = "Grey circle, radius 120. 1 curve: R1 120, R2 33, R3 40 in "
        wait_for("the picture to tell of the curve", lambda: picture.description.startswith(curve))
        end = time.monotonic() + 10
        while picture.description not in told and time.monotonic() < end:
            GLib.MainContext.default().iteration(False)
        if told != [picture.description]:
            fail(f"the picture's news is not told once as {picture.description!r}, but as {told}")
        print(f"after Start, told as news: {picture.description}")

        press(buttons["End"])
        status = program.wait(timeout=30)
        if status != 0:
            fail(f"the program ended with status {status}")
        print("atspi_check: the window reads as it should and works through its accessible actions")
    finally:
        if program.poll() is None:
            program.kill()


if __name__ == "__main__":
    main()
