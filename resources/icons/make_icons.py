#!/usr/bin/env python3
"""Draws the two program icons as XPM (built into the programs) and SVG (for the desktop).

The creator's icon is a sheet of questions with a pencil; the tester's a sheet with a tick.
Run it after changing the drawing; its output is committed beside it."""

SIZE = 48


def sheet(x, y):
    # A rounded page in the middle of the icon with three text lines.
    inside = 8 <= x <= 39 and 4 <= y <= 43
    border = inside and (x in (8, 39) or y in (4, 43))
    line = 13 <= x <= 34 and y in (11, 12, 17, 18, 23, 24)
    return "k" if border else ("g" if line else ("w" if inside else None))


def creator_pixel(x, y):
    # A pencil from the lower left to the upper right over the page.
    d = x + y
    if 48 <= d <= 52 and 18 <= x <= 44 and 8 <= y <= 34:
        return "o" if x < 40 else "k"
    return sheet(x, y)


def tester_pixel(x, y):
    # A green tick over the lower half of the page.
    on_short = 14 <= x <= 22 and abs((y - 30) - (x - 14)) <= 2
    on_long = 22 <= x <= 38 and abs((y - 38) + (x - 22)) <= 2
    if on_short or on_long:
        return "t"
    return sheet(x, y)


COLOURS = {"k": "#1F3B73", "w": "#FFFFFF", "g": "#9AA8C2", "o": "#F0A020", "t": "#1E9E3A"}


def write_xpm(name, pixel):
    rows = []
    for y in range(SIZE):
        rows.append("".join(pixel(x, y) or " " for x in range(SIZE)))
    with open(f"{name}.xpm", "w") as out:
        out.write(f"/* XPM */\nstatic const char* const {name}_xpm[] = {{\n")
        out.write(f'"{SIZE} {SIZE} {len(COLOURS) + 1} 1",\n" \tc None",\n')
        for key, colour in COLOURS.items():
            out.write(f'"{key}\tc {colour}",\n')
        out.write(",\n".join(f'"{row}"' for row in rows))
        out.write("};\n")


def write_svg(name, pixel):
    rects = []
    for y in range(SIZE):
        for x in range(SIZE):
            key = pixel(x, y)
            if key:
                rects.append(f'<rect x="{x}" y="{y}" width="1" height="1" fill="{COLOURS[key]}"/>')
    with open(f"{name}.svg", "w") as out:
        out.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
                  f'viewBox="0 0 {SIZE} {SIZE}" shape-rendering="crispEdges">\n')
        out.write("\n".join(rects))
        out.write("\n</svg>\n")


for icon_name, drawing in (("creator", creator_pixel), ("tester", tester_pixel)):
    write_xpm(icon_name, drawing)
    write_svg(icon_name, drawing)
