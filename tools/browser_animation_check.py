#!/usr/bin/env python3
"""volvenda-render's animated GIF and PNG in a real browser, in real time.

Headless Chromium shows each file in a page of its size and is screenshot
through its DevTools protocol (over a pipe) as the animation plays: GIF and
PNG animations run on the wall clock, which virtual time does not advance.
For each of a GIF and an animated PNG of one curve drawing itself over four
seconds, once, checks that:
- a second in, some of the curve is drawn and not all of it;
- two seconds in, more is, holding all that was drawn before;
- after the end the page shows the still PNG of the same command, pixel for
  pixel.

Standard library only, with read_png from browser_check.py.
Usage: browser_animation_check.py RENDERER [CHROMIUM]
"""

import base64
import json
import os
import subprocess
import sys
import tempfile
import time

from browser_check import check, curve, read_png, renderer_and_browser, renderer_into

CURVE = ["--color", "1f6fd1", "--until-closed", "--fit", "10", "120", "33", "40"]
SECONDS = 4
MOMENTS = (1.0, 2.0, SECONDS + 1.5)


class DevTools:
    """Chromium run with --remote-debugging-pipe: JSON messages, each ended by
    a NUL byte, written to its fd 3 and read from its fd 4."""

    def __init__(self, program, folder):
        to_browser, self.commands = os.pipe()
        self.answers, from_browser = os.pipe()
        command = [program, "--headless", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--hide-scrollbars", "--mute-audio",
                   "--remote-debugging-pipe", f"--user-data-dir={tempfile.mkdtemp(dir=folder)}"]
        # Chromium's sandbox needs user namespaces, which root in a container lacks.
        if os.geteuid() == 0:
            command.append("--no-sandbox")

        def pipes():
            os.dup2(to_browser, 3)
            os.dup2(from_browser, 4)

        self.process = subprocess.Popen(command, preexec_fn=pipes, pass_fds=(3, 4), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        os.close(to_browser)
        os.close(from_browser)
        self.next_id, self.buffer, self.session = 0, b"", None

    def call(self, method, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if self.session:
            message["sessionId"] = self.session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self.buffer:
                more = os.read(self.answers, 1 << 20)
                if not more:
                    raise RuntimeError("Chromium ended")
                self.buffer += more
            line, self.buffer = self.buffer.split(b"\0", 1)
            answer = json.loads(line)
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer["result"]

    def open(self, url, size):
        target = self.call("Target.createTarget", url="about:blank", width=size[0], height=size[1])["targetId"]
        self.session = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        self.call("Emulation.setDeviceMetricsOverride", width=size[0], height=size[1], deviceScaleFactor=1,
                  mobile=False)
        self.call("Page.enable")
        self.call("Page.navigate", url=url)

    def screenshot(self, path):
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"]))
        return read_png(path)[2]

    def close(self):
        self.process.kill()
        self.process.wait()


def watch(program, folder, picture, size):
    """Screenshots of a page showing the picture, at MOMENTS after it opens."""
    page = picture + ".html"
    with open(page, "w", encoding="utf-8") as f:
        f.write(f'<!DOCTYPE html><html><body style="margin:0"><img src="{os.path.basename(picture)}" '
                f'style="display:block"></body></html>\n')
    browser = DevTools(program, folder)
    try:
        browser.open("file://" + os.path.abspath(page), size)
        opened, shots = time.monotonic(), []
        for index, moment in enumerate(MOMENTS):
            time.sleep(max(0.0, opened + moment - time.monotonic()))
            shots.append(browser.screenshot(f"{picture}-{index}.png"))
        return shots
    finally:
        browser.close()


def main():
    renderer, program = renderer_and_browser(__doc__)
    ok = True
    with tempfile.TemporaryDirectory() as folder:
        render = renderer_into(renderer, folder)

        width, height, still = read_png(render("still.png", CURVE))
        for name in ("growing.gif", "growing.png"):
            shots = watch(program, folder, render(name, ["--animate", str(SECONDS)] + CURVE), (width, height))
            drawn = [curve(rows, 24) for rows in shots]
            counts = [len(pixels) for pixels in drawn]
            print(f"{name}: drawn pixels at {', '.join(f'{t} s' for t in MOMENTS)}: {counts}")
            ok &= check(0 < counts[0] < counts[1] < counts[2], f"{name}: the drawn pixels grow")
            ok &= check(not (drawn[0] - drawn[1]) and not (drawn[1] - drawn[2]),
                        f"{name}: each screenshot holds the one before")
            ok &= check(shots[2] == still, f"{name}: after the end the page shows the still PNG, pixel for pixel")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
