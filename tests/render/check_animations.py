#!/usr/bin/env python3
"""The renderer's animated GIF and PNG, read by another decoder (Pillow) and
checked against geometry worked out here: the first frame bare, a frame
midway partly grown, the last frame the still PNG, the frames' times and
rectangles, the loop, the animated PNG's default image, and a GIF of 1000
runs in 1000 colours.

Usage: check_animations.py RENDERER SCRATCH_FOLDER"""

import math
import os
import subprocess
import sys

from PIL import Image

RENDERER, SCRATCH = sys.argv[1], sys.argv[2]
os.makedirs(SCRATCH, exist_ok=True)
WHITE, GREY = (255, 255, 255), (100, 100, 100)
CENTRE = (200, 250)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def render(name, *arguments):
    path = os.path.join(SCRATCH, name)
    result = subprocess.run([RENDERER, "-o", path, *arguments], capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit(f"{name}: {' '.join(arguments)}: status {result.returncode}: {result.stderr}")
    return path


def frames(path):
    """Each frame as the viewer shows it (RGB), with its time in ms and its
    rectangle; and the default image of an animated PNG, when it is no frame."""
    image = Image.open(path)
    shown, default = [], None
    for index in range(image.n_frames):
        image.seek(index)
        if index == 0 and image.info.get("default_image"):
            default = image.convert("RGB")
            continue
        area = image.tile[0][1]
        shown.append((image.convert("RGB"), image.info["duration"], area))
    return shown, default, image.info.get("loop")


def epitrochoid(R1, R2, R3, end=201.06176):
    points, T = [], 0.0
    while T <= end:
        roll, turn = T * R2 / R1, (R1 + R2) / R1 * T
        points.append((CENTRE[0] + math.floor((R1 + R2) * math.cos(roll) - R3 * math.cos(turn)),
                       CENTRE[1] + math.floor((R1 + R2) * math.sin(roll) - R3 * math.sin(turn))))
        T += 0.25
    return points


def distance_to_segment(p, a, b):
    (px, py), (ax, ay), (bx, by) = p, a, b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def the_windows_first_picture(kind):
    """120 33 40 growing over 5 s, once: bare, then grown along the curve."""
    still = Image.open(render("still.png", "--seed", "1", "120", "33", "40")).convert("RGB")
    path = render("growing." + kind, "--animate", "5", "--seed", "1", "120", "33", "40")
    shown, default, loop = frames(path)
    name = f"{kind}: the window's first picture"
    check(os.path.getsize(path) < 300_000, f"{name}: {os.path.getsize(path)} bytes, more than a few hundred KB")
    times = [time for _, time, _ in shown]
    check(sum(times) == 5000, f"{name}: the frames take {sum(times)} ms, not 5000")
    check(min(times) >= 20, f"{name}: a frame of {min(times)} ms")
    check(loop in (None, 1), f"{name}: plays {loop} times, not once")
    check(list(shown[-1][0].getdata()) == list(still.getdata()), f"{name}: the last frame is not the still PNG")
    if kind == "png":
        check(default is not None and list(default.getdata()) == list(still.getdata()),
              f"{name}: the default image is not the still PNG")
    # After the first, each frame only the rectangle its steps changed.
    areas = [(right - left) * (bottom - top) for _, _, (left, top, right, bottom) in shown[1:]]
    check(sum(areas) / len(areas) < 0.05 * 400 * 445, f"{name}: frames of {sum(areas) / len(areas)} pixels on average")

    # The first frame: white, and the grey circle of radius 120 round the centre.
    first = shown[0][0]
    for y in range(first.height):
        for x in range(first.width):
            colour = first.getpixel((x, y))
            if colour == GREY:
                if not check(abs(math.hypot(x - CENTRE[0], y - CENTRE[1]) - 120) <= 1.5,
                             f"{name}: a grey pixel at {x},{y}, off the circle"):
                    return
            elif not check(colour == WHITE, f"{name}: {colour} at {x},{y} in the first frame"):
                return
    for degree in range(0, 360, 2):
        x = round(CENTRE[0] + 120 * math.cos(math.radians(degree)))
        y = round(CENTRE[1] + 120 * math.sin(math.radians(degree)))
        near = [first.getpixel((x + dx, y + dy)) for dx in (-1, 0, 1) for dy in (-1, 0, 1)]
        check(GREY in near, f"{name}: no grey circle at {degree} degrees in the first frame")

    # Halfway through the time, about half the curve: its colour only near the
    # first 55% of the segments, and the middle of each of the first 45% drawn.
    curve = epitrochoid(120, 33, 40)
    segments = list(zip(curve[1:], curve[:-1]))
    middle = shown[len(shown) // 2][0]
    colour = next(c for c in set(still.getdata()) if c not in (WHITE, GREY))
    drawn = segments[: int(0.55 * len(segments))]
    for y in range(middle.height):
        for x in range(middle.width):
            if middle.getpixel((x, y)) == colour and not check(
                    any(distance_to_segment((x, y), a, b) <= 1.5 for a, b in drawn),
                    f"{name}: at half time, {x},{y} is drawn, beyond the first half of the curve"):
                return
    for a, b in segments[: int(0.45 * len(segments))]:
        x, y = (a[0] + b[0]) // 2, (a[1] + b[1]) // 2
        near = [middle.getpixel((x + dx, y + dy)) for dx in (-1, 0, 1) for dy in (-1, 0, 1)]
        if not check(colour in near, f"{name}: at half time, the segment {a}-{b} is not drawn"):
            return


def looping(kind):
    """Played for ever, with a second's pause on the finished picture."""
    path = render("looping." + kind, "--animate", "2.5", "--loop", "--seed", "1", "120", "33", "40")
    shown, _, loop = frames(path)
    times = [time for _, time, _ in shown]
    check(loop == 0, f"{kind} --loop: plays {loop} times, not for ever")
    check(sum(times) == 3500 and times[-1] >= 1020, f"{kind} --loop: frames of {sum(times)} ms, the last {times[-1]}")


def options_that_apply(kind):
    """--fit, --scale, --until-closed, --no-reference and several runs: the
    last frame still the still PNG, the first bare."""
    arguments = ["--fit", "8", "--scale", "2", "--until-closed", "--no-reference", "--seed", "3",
                 "100", "20", "60", "120", "-45", "80"]
    still = Image.open(render("options.png", *arguments)).convert("RGB")
    shown, _, _ = frames(render("options-growing." + kind, "--animate", "0.5", *arguments))
    check(len(shown) == 25, f"{kind} with options: {len(shown)} frames of 20 ms in 0.5 s, not 25")
    check(list(shown[-1][0].getdata()) == list(still.getdata()), f"{kind} with options: the last frame is not the still")
    check(set(shown[0][0].getdata()) == {WHITE}, f"{kind} with options: the first frame is not bare")


def a_thousand_colours():
    """1000 runs, each in a colour of its own: every colour exact in the GIF."""
    colours = set()
    with open(os.path.join(SCRATCH, "runs"), "w") as runs:
        for run in range(1000):
            colour = (run * 2654435761) % 0x1000000
            colours.add(colour)
            runs.write(f"{60 + run % 90} {10 + run % 17} {20 + run % 50} {colour:06x}\n")
    check(len(colours) == 1000, "the runs' colours are not all different")
    still = Image.open(render("thousand.png", "--runs", os.path.join(SCRATCH, "runs"))).convert("RGB")
    shown, _, _ = frames(render("thousand.gif", "--animate", "4", "--runs", os.path.join(SCRATCH, "runs")))
    # Later curves hide most of the earlier ones: far more colours show on
    # the way than at the end, and each exactly as given.
    seen = set()
    for image, _, area in shown[1:]:
        seen |= {colour for _, colour in image.crop(area).getcolors(area[2] * area[3])}
    given = {((c >> 16) & 255, (c >> 8) & 255, c & 255) for c in colours}
    check(seen - {WHITE, GREY} <= given, f"colours in the 1000 runs' GIF that no run has: {seen - given}")
    check(len(seen & given) >= 990, f"the 1000 runs' GIF shows only {len(seen & given)} of their colours")
    check(list(shown[-1][0].getdata()) == list(still.getdata()), "the 1000 runs' GIF ends otherwise than the still PNG")


def refused(arguments, said):
    result = subprocess.run([RENDERER, "-o", *arguments], capture_output=True, text=True)
    check(result.returncode == 1 and said in result.stderr, f"{arguments}: status {result.returncode}, {result.stderr}")
    check(not os.path.exists(arguments[0]), f"{arguments}: a file is written")


def refusals():
    # Many short curves, then a long one: in a tenth of a second, one frame
    # would draw all their colours.
    with open(os.path.join(SCRATCH, "short-runs"), "w") as runs:
        for run in range(999):
            runs.write(f"60 60 {10 + run % 50} {(run * 2654435761) % 0x1000000:06x}\n")
        runs.write("120 33.006 40 000000\n")
    refused([os.path.join(SCRATCH, "refused.gif"), "--animate", "0.1", "--until-closed", "--runs",
             os.path.join(SCRATCH, "short-runs")], "a longer --animate")
    refused([os.path.join(SCRATCH, "refused.png"), "--animate", "3600", "--scale", "16", "--until-closed", "120",
             "33.006", "40"], "a lower --scale")


for kind in ("gif", "png"):
    the_windows_first_picture(kind)
    looping(kind)
    options_that_apply(kind)
a_thousand_colours()
refusals()
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
