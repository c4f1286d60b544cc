#!/usr/bin/env python3
"""Reads the fact map's cells from a screenshot of the progress window.

Usage: fact_map_cells.py <screenshot.png> <right|wrong>:<a>+<b> ...
Finds the coloured cells of the grid, arranges them in rows and columns (for addition, row a and
column b hold a + b), and checks that each fact named is green (right) or red (wrong) and that
every other cell is grey. Prints what it found; exits 1 when anything differs.
"""
import subprocess
import sys

COLOURS = {(222, 222, 222): "grey", (92, 190, 92): "green", (250, 212, 70): "yellow",
           (232, 86, 74): "red"}
GRID_RIGHT = 570  # the legend's swatches stand to the right of this
SMALLEST_CELL = 300  # pixels of a cell's own colour around its text


def cells(path):
    """The top, left and colour of each patch of a cell's colour large enough to be a cell."""
    width = int(subprocess.run(["identify", "-format", "%w", path], check=True,
                               capture_output=True).stdout)
    data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout
    colour_at = {}
    for at in range(0, len(data), 3):
        y, x = divmod(at // 3, width)
        name = COLOURS.get(tuple(data[at:at + 3]))
        if name and x < GRID_RIGHT:
            colour_at[(x, y)] = name
    found, seen = [], set()
    for start, name in colour_at.items():
        if start in seen:
            continue
        seen.add(start)
        stack, points = [start], []
        while stack:
            x, y = stack.pop()
            points.append((x, y))
            for near in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if near not in seen and colour_at.get(near) == name:
                    seen.add(near)
                    stack.append(near)
        if len(points) >= SMALLEST_CELL:
            found.append((min(p[1] for p in points), min(p[0] for p in points), name))
    return found


def lines(values):
    """Distinct positions, a pixel or two apart counting as one."""
    result = []
    for value in sorted(set(values)):
        if not result or value - result[-1] > 3:
            result.append(value)
    return result


def main():
    found = cells(sys.argv[1])
    tops, lefts = lines([c[0] for c in found]), lines([c[1] for c in found])
    place = lambda value, positions: min(range(len(positions)),
                                         key=lambda i: abs(positions[i] - value))
    grid = {(place(t, tops), place(l, lefts)): name for t, l, name in found}
    print(f"{len(found)} cells in {len(tops)} rows and {len(lefts)} columns")
    expected = {}
    for answered in sys.argv[2:]:
        outcome, fact = answered.split(":")
        a, b = (int(n) for n in fact.split("+"))
        expected[(a, b)] = "green" if outcome == "right" else "red"
    wrong = [] if (len(tops), len(lefts), len(found)) == (10, 10, 100) else [
        "not the 10 × 10 addition grid"]
    wrong += [f"{r} + {c} is {name}, not {expected.get((r, c), 'grey')}"
              for (r, c), name in sorted(grid.items()) if name != expected.get((r, c), "grey")]
    wrong += [f"no cell for {a} + {b}" for a, b in expected if (a, b) not in grid]
    print("\n".join(wrong) if wrong else "every cell as expected")
    return 1 if wrong else 0


sys.exit(main())
