#!/usr/bin/env python3
"""Writes content/levels.md: the episode's table in entry order, with every level's solver
figures measured afresh.

  python3 scripts/level-table.py QN2SIM [CONTENT_FOLDER]

The units and the idea of each level come from the table already there (content/levels.md,
and any content/levels-*.md a level designer keeps beside it), by file name; the title
from the level file; the shortest all-jewel turns and the states the search explored from
`qn2-sim LEVEL --solve --all-jewels`. Entries from 54 on are the bonus row (B1..B9).
"""
import glob
import json
import os
import subprocess
import sys

BONUS_FROM = 54
HEADER = ("| entry | file | title | units used | idea in one line | shortest turns (all jewels)"
          " | states |\n|---|---|---|---|---|---|---|\n")


def known_rows(content):
    """(units, idea) by file name, from the tables there are."""
    rows = {}
    for table in sorted(glob.glob(os.path.join(content, "levels*.md"))):
        for line in open(table, encoding="utf-8"):
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if len(cells) == 7 and cells[1].endswith((".map", ".mp4")):
                rows.setdefault(cells[1], (cells[3], cells[4]))
    return rows


def title_of(level_path):
    for line in open(level_path, encoding="latin-1"):
        if line.startswith("Title="):
            return line.strip()[len("Title="):]
    return ""


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sim = os.path.abspath(sys.argv[1])
    content = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else
                              os.path.join(os.path.dirname(__file__), "..", "content"))
    known = known_rows(content)
    lines = [l.split(None, 1) for l in open(os.path.join(content, "QuibNar.set")) if l.strip()]
    out = []
    for entry, (kind, name) in enumerate(lines):
        name = name.strip()
        label = "%d (B%d)" % (entry, entry - BONUS_FROM + 1) if entry >= BONUS_FROM else str(entry)
        units, idea = known.get(name, ("", ""))
        if kind.lower() == "video":
            out.append("| %s | %s | Introduction | video | %s | - | - |\n" %
                       (label, name, idea or "the game's opening film"))
            continue
        result = subprocess.run([sim, name, "--solve", "--all-jewels"], cwd=content,
                                capture_output=True, text=True)
        report = json.loads(result.stdout.strip().splitlines()[-1])
        if report["outcome"] != "solved":
            sys.exit("%s: %s" % (name, report))
        out.append("| %s | %s | %s | %s | %s | %d | %d |\n" %
                   (label, name, title_of(os.path.join(content, "Levels", name)), units, idea,
                    report["turns"], report["states"]))
        print(out[-1], end="", flush=True)
    with open(os.path.join(content, "levels.md"), "w", encoding="utf-8") as f:
        f.write("# The episode, entry by entry\n\n"
                "Entry 0 is the introductory video; the levels follow in rising difficulty and\n"
                "the bonus levels come last (entries 54..62 form the bonus row, labelled B1..B9\n"
                "on the level pick). Turns are\n"
                "the shortest way out with every jewel, as the game counts them (the player's\n"
                "warp-in included), and states are the positions the solver explored to prove\n"
                "it: `python3 scripts/level-table.py QN2SIM` measures them afresh.\n\n")
        f.write(HEADER)
        f.writelines(out)


if __name__ == "__main__":
    main()
