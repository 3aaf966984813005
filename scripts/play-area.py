#!/usr/bin/env python3
"""How much of the board each level of the episode plays on: the cells the player could
reach from the start if every unit were out of the way (floor, open backdrop and water;
walls stop it), out of the 16 x 15. Smallest first.

  python3 scripts/play-area.py [CONTENT_FOLDER] [LIMIT]

LIMIT (default all) lists only the levels with fewer reachable cells than that.
"""
import os
import re
import sys

content = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "content")
limit = int(sys.argv[2]) if len(sys.argv) > 2 else 241


def reachable(path):
    with open(path, encoding="latin-1") as f:
        text = f.read()
    rows = text.split("[Tiles]")[1].split("[")[0].split()
    solid = [[int(v, 16) >= 256 for v in row.split(",")] for row in rows]
    player = re.search(r"Begin Player(.*?)End Player", text, re.S).group(1)
    start = (int(re.search(r"InitialX = (\d+)", player).group(1)),
             int(re.search(r"InitialY = (\d+)", player).group(1)))
    seen, stack = {start}, [start]
    while stack:
        x, y = stack.pop()
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= nx < 16 and 0 <= ny < 15 and not solid[ny][nx] and (nx, ny) not in seen:
                seen.add((nx, ny))
                stack.append((nx, ny))
    return len(seen)


with open(os.path.join(content, "QuibNar.set"), encoding="latin-1") as f:
    entries = [line.strip() for line in f]
levels = []
for entry, line in enumerate(entries):
    found = re.search(r"(\S+\.map)", line)
    if found:
        levels.append((reachable(os.path.join(content, "Levels", found.group(1))), entry, found.group(1)))
for cells, entry, name in sorted(levels):
    if cells < limit:
        print(f"{entry:2d}  {name:24s} {cells:3d} of 240")
