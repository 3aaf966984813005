#!/usr/bin/env python3
# Builds the first episode's level files and moves lines from the text boards in levels.py:
#   python3 tools/levelgen/gen.py [CONTENT_DIR]   then   bash scripts/make-solutions.sh
import sys, os
from collections import deque

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "content")
UNIT = {'P':'Player','E':'Exit','K':'Key','J':'Jewel','M':'Jewel','Y':'Jewel','G':'Jewel',
        'B':'Boulder','D':'Dirt','W':'Water','F':'ForceField','f':'PushButton','H':'ForceField',
        'h':'PushButton','I':'Pillar','S':'Snake','X':'Spider','C':'CherryBomb','Z':'SeekerDroid',
        '?':'Info','w':'Water'}
DEFAULT_PROPS = {'M':{'Kind':'Magenta_100'},'Y':{'Kind':'Yellow_250'},'G':{'Kind':'Green_1000'},
                 'J':{'Kind':'Blue_50'},'H':{'Color':'Red'},'h':{'Color':'Red'},
                 'F':{'Color':'Blue'},'f':{'Color':'Blue'},'w':{'Boulder':'True'}}
PASS = set(".PKJMYGD?fhICw ")   # cells a walking plan may cross

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
    cells = [(order.index(rows[y][x]), y, x) for y in range(15) for x in range(16) if rows[y][x] in UNIT]
    for _, y, x in sorted(cells):
        c = rows[y][x]
        name = UNIT[c]
        props = {'InitialX': str(x), 'InitialY': str(y)}
        props.update(DEFAULT_PROPS.get(c, {}))
        props.update(lv.get('props', {}).get((x, y), {}))
        units.append("Begin " + name)
        for k in sorted(props): units.append("   %s = %s" % (k, props[k]))
        units.append("End " + name)
    with open(path, "w", newline="") as f:
        f.write(crlf(misc + tiles + more + over + units))

class Plan:
    D = {'U':(0,-1),'D':(0,1),'L':(-1,0),'R':(1,0)}
    def __init__(s, lv):
        s.g = [list(r) for r in lv['board']]
        s.pos = next((x, y) for y in range(15) for x in range(16) if s.g[y][x] == 'P')
        s.g[s.pos[1]][s.pos[0]] = '.'
        s.moves = ""
    def step(s, ch):
        s.moves += ch
        if ch.upper() not in s.D: return
        dx, dy = s.D[ch.upper()]
        x, y = s.pos; nx, ny = x + dx, y + dy
        c = s.g[ny][nx]
        if c == 'E': return
        if c == 'B':
            bx, by = nx + dx, ny + dy
            b = s.g[by][bx]
            if b in 'W': s.g[by][bx] = '.'
            elif b in '.f h?w': s.g[by][bx] = 'B'
            else: raise Exception("plan: boulder stuck at %s" % ((nx, ny),))
            s.g[ny][nx] = '.'
        elif c not in PASS and c != 'F' and c != 'H':
            raise Exception("plan: cannot step %s from %s into %r" % (ch, (x, y), c))
        if s.g[y][x] == 'I': s.g[y][x] = '#'
        if s.g[ny][nx] in 'KJMYGD?C': s.g[ny][nx] = '.'
        s.pos = (nx, ny)
    def m(s, text):
        for ch in text: s.step(ch)
        return s
    def go(s, tx, ty, extra=""):
        ok = PASS | set(extra)
        prev = {s.pos: None}; q = deque([s.pos])
        while q:
            p = q.popleft()
            if p == (tx, ty): break
            for ch, (dx, dy) in s.D.items():
                n = (p[0] + dx, p[1] + dy)
                if n not in prev and s.g[n[1]][n[0]] in ok:
                    prev[n] = (p, ch); q.append(n)
        if (tx, ty) not in prev: raise Exception("plan: no way from %s to %s" % (s.pos, (tx, ty)))
        path = []; p = (tx, ty)
        while prev[p]: p, ch = prev[p]; path.append(ch)
        return s.m("".join(reversed(path)))
    def set(s, x, y, c): s.g[y][x] = c; return s

LEVELS = []
def level(**kw): LEVELS.append(kw); return kw

exec(open(os.path.join(os.path.dirname(__file__), "levels.py")).read())

os.makedirs(os.path.join(OUT, "Levels"), exist_ok=True)
os.makedirs(os.path.join(OUT, "Solutions"), exist_ok=True)
moves_lines, set_lines = [], []
for lv in LEVELS:
    write_map(os.path.join(OUT, "Levels", lv['name'] + ".map"), lv)
    mv = lv['plan'](Plan(lv)).moves
    moves_lines.append("%s.map %s" % (lv['name'], mv))
    set_lines.append("Level %s.map" % lv['name'])
with open(os.path.join(OUT, "Solutions", "moves.txt"), "w") as f:
    f.write("\n".join(moves_lines) + "\n")
with open(os.path.join(OUT, "QuibNar.set"), "w", newline="") as f:
    f.write(crlf(set_lines))
blank = {'name':'Blank','board':["#"*16]+["#"+"."*14+"#"]*13+["#"*16],'tiles':(1,1,17)}
# the blank template has no units and no title: default look, walls around the edge
blank['board'] = ["o"*16]*15
write_map(os.path.join(OUT, "Levels", "Blank.map"), blank)
print("\n".join(moves_lines))
