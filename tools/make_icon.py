#!/usr/bin/env python3
"""Writes the program's icon: an epitrochoid over its grey reference circle.

Run from the repository's root; it writes src/window/icons/volvenda.svg. The
PNG sizes are rendered from it with ImageMagick:
    for s in 16 32 64 128 256; do
        convert -background none -density 384 src/window/icons/volvenda.svg \
            -resize ${s}x$s -strip src/window/icons/volvenda-$s.png
    done
"""

import math

R1, R2, R3 = 5.0, 2.0, 3.2
SIZE = 256
CENTRE = SIZE / 2
SCALE = (SIZE / 2 - 18) / (R1 + R2 + R3)


def point(t):
    k = (R1 + R2) / R2
    x = (R1 + R2) * math.cos(t) - R3 * math.cos(k * t)
    y = (R1 + R2) * math.sin(t) - R3 * math.sin(k * t)
    return CENTRE + SCALE * x, CENTRE + SCALE * y


def main():
    turns = 2  # R1 / R2 = 5 / 2 closes after two turns
    steps = 720
    points = [point(2 * math.pi * turns * i / steps) for i in range(steps)]
    path = "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in points) + " Z"
    svg = f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">
  <rect x="8" y="8" width="{SIZE - 16}" height="{SIZE - 16}" rx="36" fill="#ffffff" stroke="#c8c8c8" stroke-width="4"/>
  <circle cx="{CENTRE}" cy="{CENTRE}" r="{SCALE * R1:.2f}" fill="none" stroke="#646464" stroke-width="6"/>
  <path d="{path}" fill="none" stroke="#1f6fd1" stroke-width="12" stroke-linejoin="round"/>
</svg>
"""
    with open("src/window/icons/volvenda.svg", "w", encoding="utf-8") as out:
        out.write(svg)


if __name__ == "__main__":
    main()
