#!/usr/bin/env python3
"""volvenda-render's SVG files in a real browser: headless Chromium.

Renders one closed curve, cut to it with --fit, as a PNG, a still SVG and an
animated SVG (once, and looped), one cut off by the canvas's edges and one
that leaves the canvas far behind as a PNG and a still SVG, the last also
animated. Screenshots the animation at a quarter and a half of its
time and after its end. Chromium's virtual time does not show those moments
reliably (its screenshots lag the animation by a varying amount), so each
moment is a copy of the file with one more style rule, which stops the file's
own animations that far in. Checks that:
- the first screenshot is not empty, and the drawn pixels grow from one to
  the next, each holding what the one before drew;
- after the end the picture is the still SVG's;
- looped, the drawing starts again after its pause;
- the file itself, opened as it is, is not finished when it opens;
- each still SVG shows its PNG's picture, but for antialiasing;
- at 99% of its time an animation is nearly, but not quite, done;
- a curve of a million steps, longer than Chromium lets a dash be, is hidden
  when it begins and a few seconds in shows a part of what its PNG shows.
  (Drawing all of it takes Chromium a minute or more, too long to watch here.)

Standard library only. Usage: browser_check.py RENDERER [CHROMIUM]
With VOLVENDA_SHOTS set to a folder, the screenshots are kept there.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

CURVE = ["--color", "1f6fd1", "--until-closed", "--fit", "10", "120", "33", "40"]
# Cut by the canvas's edges, with a margin beyond them.
CUT = ["--color", "c03030", "--fit", "20", "150", "40", "60"]
# Leaving the canvas far behind between its crossings.
FAR = ["--color", "20a040", "2000", "1000", "3000"]
SECONDS = 4
# 48 million pixels long.
LONG = ["--color", "1f6fd1", "--until-closed", "120", "33.006", "300"]


def read_png(path):
    """(width, height, rows of (r, g, b) tuples) of an 8-bit RGB(A) or palette PNG."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG")
    pos, chunks = 8, {}
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunks.setdefault(kind, []).append(data[pos + 8:pos + 8 + length])
        pos += 12 + length
    width, height, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"][0])
    channels = {2: 3, 3: 1, 6: 4}[ctype]
    if interlace or (ctype != 3 and depth != 8):
        raise ValueError(f"{path}: a PNG form this check does not read")
    stride = (width * channels * depth + 7) // 8
    step = max(1, channels * depth // 8)
    raw = zlib.decompress(b"".join(chunks[b"IDAT"]))
    palette = chunks.get(b"PLTE", [b""])[0]
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up, corner = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        previous = line
        if ctype == 3:
            per_byte = 8 // depth
            indices = [(line[x // per_byte] >> (8 - depth * (x % per_byte + 1))) & ((1 << depth) - 1)
                       for x in range(width)]
            rows.append([tuple(palette[3 * i:3 * i + 3]) for i in indices])
        else:
            rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
    return width, height, rows


def ink(rows, least):
    """The pixels at least this far from white in some channel."""
    return {(x, y) for y, row in enumerate(rows) for x, pixel in enumerate(row) if 255 - min(pixel) >= least}


def curve(rows, least):
    """The pixels of the blue curve (over white and grey), by how much bluer than red they are."""
    return {(x, y) for y, row in enumerate(rows) for x, (r, _, b) in enumerate(row) if b - r >= least}


def near(points, other, reach=1):
    """The points with none of other within reach (in x and y)."""
    return {(x, y) for x, y in points
            if not any((x + dx, y + dy) in other for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1))}


class Browser:
    def __init__(self, program, folder):
        self.program, self.folder = program, folder

    def screenshot(self, svg, size, seconds=None):
        """The SVG in a window of size as the browser shows it once loaded, or with its animations stopped this
        far in."""
        if seconds is not None:
            with open(svg, encoding="utf-8") as f:
                text = f.read()
            stop = f"* {{ animation-delay: -{seconds}s !important; animation-play-state: paused !important }}\n"
            svg = f"{svg}-at-{seconds}.svg"
            with open(svg, "w", encoding="utf-8") as f:
                f.write(text.replace("</style>", stop + "</style>", 1))
        shot = svg + ".png"
        profile = tempfile.mkdtemp(dir=self.folder)
        command = [self.program, "--headless", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--hide-scrollbars", "--mute-audio",
                   f"--user-data-dir={profile}", "--window-size={},{}".format(*size), f"--screenshot={shot}"]
        # Chromium's sandbox needs user namespaces, which root in a container lacks.
        if os.geteuid() == 0:
            command.append("--no-sandbox")
        command.append("file://" + os.path.abspath(svg))
        subprocess.run(command, check=True, timeout=120, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shutil.rmtree(profile, ignore_errors=True)
        if os.environ.get("VOLVENDA_SHOTS"):
            shutil.copy(shot, os.environ["VOLVENDA_SHOTS"])
        width, height, rows = read_png(shot)
        if (width, height) != size:
            raise AssertionError(f"{shot} is {width} x {height}, not the window's {size}")
        return rows


def differing(one, other):
    """How many pixels of two pictures differ by more than antialiasing noise."""
    return sum(1 for a, b in zip(sum(one, []), sum(other, [])) if max(abs(p - q) for p, q in zip(a, b)) > 8)


def check(condition, message):
    print(("ok    " if condition else "FAILED") + " " + message)
    return condition


def still_matches_png(render, browser, name, options):
    """Whether the still SVG in the browser shows the PNG's picture; and that screenshot."""
    width, height, png = read_png(render(name + ".png", options))
    still = browser.screenshot(render(name + ".svg", options), (width, height))
    # Aliased against antialiased: every pixel the PNG paints has the
    # browser's ink next to it, and every pixel the browser paints fully has
    # the PNG's next to it; both are as many, within a fifth.
    drawn, faint, strong = ink(png, 1), ink(still, 24), ink(still, 128)
    missing, extra = near(drawn, faint), near(strong, drawn)
    return check(not missing and not extra and 0.8 < len(drawn) / len(strong) < 1.25,
                 f"{name}: the still SVG shows the PNG's picture ({len(drawn)} pixels in the PNG, {len(strong)} "
                 f"fully drawn in the browser, {len(missing)} and {len(extra)} astray)"), still, (width, height)


def renderer_and_browser(usage):
    """The renderer and the browser the command line names (the browser
    found on the path if not), or an exit with usage."""
    if len(sys.argv) not in (2, 3):
        sys.exit(usage)
    program = sys.argv[2] if len(sys.argv) == 3 else (
        shutil.which("chromium-headless-shell") or shutil.which("chromium"))
    if not program:
        sys.exit("no chromium-headless-shell or chromium to run")
    return os.path.abspath(sys.argv[1]), program


def renderer_into(renderer, folder):
    """A function that renders into a file of folder with options, and gives its path."""
    def render(name, options):
        path = os.path.join(folder, name)
        subprocess.run([renderer, "-o", path] + options, check=True)
        return path
    return render


def main():
    renderer, program = renderer_and_browser(__doc__)
    with tempfile.TemporaryDirectory() as folder:
        render = renderer_into(renderer, folder)

        browser = Browser(program, folder)
        ok, _, _ = still_matches_png(render, browser, "cut", CUT)
        far, far_still, far_size = still_matches_png(render, browser, "far", FAR)
        ok &= far
        # Its animation ends when it is asked to, not before.
        far_drawn = render("far-drawn.svg", ["--animate", str(SECONDS)] + FAR)
        ending = browser.screenshot(far_drawn, far_size, SECONDS * 0.99)
        ok &= check(0 < differing(ending, far_still) and differing(ending, far_still) < 0.1 * len(ink(far_still, 24)),
                    f"far: at 99% of its time the drawing is nearly done, not done "
                    f"({differing(ending, far_still)} pixels still to come)")
        matches, still, size = still_matches_png(render, browser, "closed", CURVE)
        ok &= matches

        drawn = render("drawn.svg", ["--animate", str(SECONDS)] + CURVE)
        moments = [("a quarter", SECONDS / 4), ("a half", SECONDS / 2), ("after the end", SECONDS + 1)]
        shots = [browser.screenshot(drawn, size, t) for _, t in moments]
        # Half way through the second round: a round and its pause, then half the drawing.
        looped = render("looped.svg", ["--animate", str(SECONDS), "--loop"] + CURVE)
        again = browser.screenshot(looped, size, SECONDS + 1 + SECONDS / 2)
        opened = browser.screenshot(drawn, size)

        faint = [curve(rows, 24) for rows in shots]
        strong = [curve(rows, 96) for rows in shots]
        counts = [len(s) for s in faint]
        print(f"drawn pixels at {', '.join(f'{name} ({t} s)' for name, t in moments)}: {counts}")
        ok &= check(counts[0] > 0, "the first screenshot is not empty")
        ok &= check(counts[0] < counts[1] < counts[2], "the drawn pixels grow")
        ok &= check(not (strong[0] - faint[1]) and not (strong[1] - faint[2]), "each screenshot holds the last one")
        ok &= check(differing(shots[2], still) == 0,
                    f"after the end the picture is the still SVG's ({differing(shots[2], still)} pixels differ)")
        ok &= check(differing(again, shots[1]) == 0,
                    f"looped, the second round draws as the first ({differing(again, shots[1])} pixels differ)")
        ok &= check(len(curve(opened, 24)) < counts[2],
                    f"opened as it is, the file is still drawing ({len(curve(opened, 24))} pixels drawn)")

        # With its dash cut short, most of it shows from the start.
        long_width, long_height, png = read_png(render("long.png", LONG))
        whole = len(curve(png, 96))
        long_drawn = render("long.svg", ["--animate", "3600"] + LONG)
        begun, later = (len(curve(browser.screenshot(long_drawn, (long_width, long_height), t), 24)) for t in (0, 5))
        ok &= check(begun == 0 and 0 < later < whole / 2,
                    f"a million steps over an hour: {begun} pixels drawn at first, {later} of the PNG's {whole} at 5 s")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
