#!/usr/bin/env python3
# Builds the episode's level files and its set file from the text boards in the part files:
#   python3 tools/levelgen/gen.py [CONTENT_DIR]   then   bash scripts/solve-levels.sh
# which stores the shortest solution of each level that collects every jewel.
import sys, os

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "content")
UNIT = {'P':'Player','E':'Exit','K':'Key','J':'Jewel','M':'Jewel','Y':'Jewel','G':'Jewel',
        'B':'Boulder','D':'Dirt','W':'Water','F':'ForceField','f':'PushButton','H':'ForceField',
        'h':'PushButton','I':'Pillar','S':'Snake','X':'Spider','C':'CherryBomb','Z':'SeekerDroid',
        '?':'Info','w':'Water'}
DEFAULT_PROPS = {'M':{'Kind':'Magenta_100'},'Y':{'Kind':'Yellow_250'},'G':{'Kind':'Green_1000'},
                 'J':{'Kind':'Blue_50'},'H':{'Color':'Red'},'h':{'Color':'Red'},
                 'F':{'Color':'Blue'},'f':{'Color':'Blue'},'w':{'Boulder':'True'}}

def crlf(lines): return "".join(l + "\r\n" for l in lines)

def write_map(path, lv):
    rows = lv['board']
    assert len(rows) == 15, (lv['name'], len(rows))
    for r in rows: assert len(r) == 16, (lv['name'], r)
    floor_a, floor_b, wall = lv['tiles']
    misc = ["[Misc]", "Background=" + lv.get('bg', 'Hollowmere.jpg'), "TileSet=BasicTiles.jpg",
            "OverlayTileSet=BasicOverlay.jpg"]
    if lv.get('title'): misc.append("Title=" + lv['title'])
    if lv.get('hint'): misc.append("Hint=" + lv['hint'])
    misc.append("Music=" + lv.get('music', 'AncientStories2.xm'))
    if lv.get('tint'): misc.append("WaterTint=" + lv['tint'])
    tiles, more, over = ["[Tiles]"], ["[MoreTiles]"], ["[Overlay]"]
    for y in range(15):
        t, m = [], []
        for x in range(16):
            c = rows[y][x]
            if c == '#':
                v, solid = wall, 256
            elif c == 'o':
                v, solid = 0, 0
            else:
                v, solid = (floor_a if (x + y) % 2 == 0 else floor_b), 0
            t.append("%03X" % (v + solid))
            m.append("00%02X00" % v)
        tiles.append(",".join(t)); more.append(",".join(m)); over.append(",".join(["000"] * 16))
    units = ["[Units]"]
    order = "P?WwfhFHIDBKJMYGCESXZ"
    cells = [(order.index(rows[y][x]), y, x, rows[y][x]) for y in range(15) for x in range(16)
             if rows[y][x] in UNIT]
    # a second unit under the board's one, e.g. a button below a key: under={(x, y): 'h'}
    cells += [(order.index(c), y, x, c) for (x, y), c in lv.get('under', {}).items()]
    for _, y, x, c in sorted(cells):
        name = UNIT[c]
        props = {'InitialX': str(x), 'InitialY': str(y)}
        props.update(DEFAULT_PROPS.get(c, {}))
        props.update(lv.get('props', {}).get((x, y), {}))
        units.append("Begin " + name)
        for k in sorted(props): units.append("   %s = %s" % (k, props[k]))
        units.append("End " + name)
    with open(path, "w", newline="") as f:
        f.write(crlf(misc + tiles + more + over + units))

# A wall row, and a board from its rows below row 0 (walls fill up to 15 rows).
W16 = "#" * 16
def B(*rows):
    rows = list(rows)
    rows = [W16] + rows
    while len(rows) < 15: rows.append(W16)
    return rows

LEVELS = []
def level(**kw): LEVELS.append(kw); return kw

# The episode in its order: each part file adds its levels with level(...). Levels marked
# bonus=True go after all the others, into the bonus row (entries 54..62, labelled B1..B9).
PARTS = [f"part{i:02d}.py" for i in range(1, 14)]
for part in PARTS:
    exec(open(os.path.join(os.path.dirname(__file__), part)).read())

os.makedirs(os.path.join(OUT, "Levels"), exist_ok=True)
LEVELS = [lv for lv in LEVELS if not lv.get('bonus')] + [lv for lv in LEVELS if lv.get('bonus')]
# Entry 0 is the introductory video; the build makes it and puts it into the package.
set_lines = ["Video Intro.mp4"]
for lv in LEVELS:
    write_map(os.path.join(OUT, "Levels", lv['name'] + ".map"), lv)
    set_lines.append("Level %s.map" % lv['name'])
with open(os.path.join(OUT, "QuibNar.set"), "w", newline="") as f:
    f.write(crlf(set_lines))
blank = {'name':'Blank','board':["#"*16]+["#"+"."*14+"#"]*13+["#"*16],'tiles':(1,1,17)}
# the blank template has no units and no title: default look, walls around the edge
blank['board'] = ["o"*16]*15
write_map(os.path.join(OUT, "Levels", "Blank.map"), blank)
print("%d levels written to %s" % (len(LEVELS), OUT))
