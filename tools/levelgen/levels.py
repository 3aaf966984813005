W16 = "#" * 16
def B(*rows):
    rows = list(rows)
    rows = [W16] + rows
    while len(rows) < 15: rows.append(W16)
    return rows

level(name="FirstSteps", title="First Steps", bg="Hollowmere.jpg", tiles=(1, 2, 32),
      hint="Arrow keys walk. The door is the way out.",
      board=B(W16,
              "##P?....########",
              "#######.########",
              "#######.########",
              "###.....########",
              "###.############",
              "###.......E#####",
              W16),
      props={(3, 2): {'Caption': 'WALK', 'ImageName': 'Hint_Walk.jpg'}},
      plan=lambda p: p.go(9, 7).m("R"))

level(name="LockedOut", title="Locked Out", bg="Hollowmere.jpg", tiles=(3, 2, 34),
      hint="Doors open once every key is held.",
      board=B(W16,
              "##K.####.....###",
              "##..####.###.###",
              "##P.......#K.###",
              "########.#######",
              "#####E...#######",
              W16),
      plan=lambda p: p.go(2, 2).go(11, 4).go(6, 6).m("L"))

level(name="Glitter", title="Glittering Hall", bg="Lanternhall.jpg", tiles=(129, 143, 160),
      hint="Take every jewel before you leave.",
      music="AncientStories2.xm",
      board=B(W16,
              "##J.....M...Y.##",
              "##.####.###.#.##",
              "##.#G.....#.#.##",
              "##.#.####.#...##",
              "##P..K.......E##",
              W16),
      plan=lambda p: p.go(2, 2).go(8, 2).go(12, 2).go(4, 4).go(5, 6).go(12, 6).m("R"))

level(name="HeavyLifting", title="Heavy Lifting", bg="Hollowmere.jpg", tiles=(8, 9, 33),
      hint="Push boulders onto open floor.",
      board=B(W16,
              "#######.....####",
              "#######...BJ####",
              "##P..B......E###",
              "#######.....####",
              W16),
      plan=lambda p: p.m("RRRRR").go(10, 2).m("D").go(11, 3).go(11, 4).m("R"))

level(name="LooseEarth", title="Loose Earth", bg="Mossgate.jpg", tiles=(16, 17, 29),
      hint="Walk into dirt to dig. Boulders stop at dirt.",
      board=B(W16,
              "##..DDDD.J######",
              "##.####D#.######",
              "##P.B..D..D.E###",
              "######.#########",
              "######M#########",
              W16),
      plan=lambda p: p.m("RR").go(6, 6).go(9, 2).go(11, 4).m("R"))

level(name="SteppingStones", title="Stepping Stones", bg="Cistern.jpg", tiles=(65, 66, 96),
      music="DeepCistern.xm", tint="A08050",
      hint="Sink a boulder in water to cross.",
      board=B(W16,
              "###.....########",
              "###P.B.WW..J####",
              "###..B.##..#####",
              "###....##..E####",
              W16),
      plan=lambda p: p.m("RRR").go(5, 5).m("U").go(4, 3).m("RRR.R").go(11, 3).go(10, 5).m("R"))

level(name="BlueCurrent", title="Blue Current", bg="Lanternhall.jpg", tiles=(130, 131, 161),
      hint="All buttons of a colour down: its field opens.",
      board=B(W16,
              "##.......#######",
              "##P.B.f..F..E###",
              "##.......#.J####",
              W16),
      plan=lambda p: p.m("RRR").set(9, 3, '.').go(11, 4).go(11, 3).m("R"))

level(name="MossPillars", title="Moss Pillars", bg="Mossgate.jpg", tiles=(6, 7, 30),
      music="LanternHall.xm",
      hint="Each pillar can be crossed only once.",
      board=B(W16,
              "##P..IIII...K.##",
              "##.######.###.##",
              "##J..IIII.....##",
              "#############E##",
              W16),
      plan=lambda p: p.go(2, 4).go(9, 4).go(12, 2).go(13, 4).m("D"))

level(name="Hiss", title="Hiss", bg="Lanternhall.jpg", tiles=(136, 137, 162),
      hint="Snakes fire along their row. Block them.",
      board=B(W16,
              "##P....#########",
              "##.B...#########",
              "##.?.....S######",
              "##.....#########",
              "##..J..E########",
              W16),
      props={(3, 4): {'Caption': 'CAREFUL', 'ImageName': 'Hint_Careful.jpg'}},
      plan=lambda p: p.m("RDLDD").go(4, 6).go(6, 6).m("R"))

level(name="CherryPop", title="Cherry Pop", bg="Hollowmere.jpg", tiles=(10, 11, 35),
      hint="Carry a bomb, drop it lit, and run!",
      board=B(W16,
              "##P.C...BBB..E##",
              "##.........#####",
              "##..D....D.#####",
              "##J.D....DG#####",
              W16),
      plan=lambda p: p.go(4, 2).go(9, 3).m("l").go(5, 3).m("." * 26)
                      .set(8, 2, '.').set(9, 2, '.').set(10, 2, '.').set(9, 4, '.').set(10, 5, 'G')
                      .go(2, 5).go(10, 5).go(12, 2).m("R"))

# The spider paces the corridor of row 6 between the dead end at (4, 6) and the jewel at
# (13, 7). Pushed down in the turn after it reaches the dead end, the boulder at (5, 5) shuts
# it in; it bursts after five blocked turns and takes both boulders beside it along, which
# opens the way down to the exit. SPIDER_WAIT turns are spent at the push spot first.
SPIDER_WAIT = 4
SPIDER_BURST = 10
level(name="EightLegs", title="Eight Legs", bg="Cistern.jpg", tiles=(72, 73, 97),
      music="DeepCistern.xm",
      hint="Spiders hug walls. Shut one in and it bursts.",
      board=B(W16,
              "##P.....J.....##",
              "##..........Y.##",
              "#####.######D###",
              "#####B######D###",
              "###B.......X..##",
              "###.#########G##",
              "###.############",
              "##.........E..##",
              "##.M.......Y..##",
              W16),
      props={(11, 6): {'InitialDirection': 'Left', 'WallFollowing': 'LeftWall'},
             (11, 9): {'Kind': 'ExitHatch'}},
      plan=lambda p: p.go(8, 2).go(12, 3).go(5, 4).m("." * SPIDER_WAIT).m("D").m("." * SPIDER_BURST)
                      .set(3, 6, '.').set(5, 6, '.').set(11, 6, '.')
                      .go(13, 6).go(13, 7).go(3, 9).go(3, 10).go(11, 10).m("U"))

# The droid tracks the player along the room's bottom edge, since the water below stops it.
# Stood under the recess at (5, 7) the player draws it down into it; walls on both sides and
# water below then hold it there while the player walks round to the gap at (13, 7).
level(name="Seeker", title="The Seeker", bg="Cistern.jpg", tiles=(68, 69, 98),
      music="DeepCistern.xm",
      hint="Droids step as you do. Lead them off.",
      board=B(W16,
              "##...........E##",
              "##............##",
              "##..........Y.##",
              "##........Z...##",
              "##............##",
              "##WWW.WWWWWWW.##",
              "##WWWWWWWWWWW.##",
              "##............##",
              "##P.....J.....##",
              "##.....M......##",
              W16),
      props={(13, 2): {'Kind': 'ExitHatch'}},
      plan=lambda p: p.m("URRRDRLU").go(8, 10).go(7, 11).go(13, 9).go(13, 5).go(12, 4).go(13, 3).m("U"))

# The snake at (3, 5) watches the only way to the door. It cannot see the cell above it, so a
# bomb left there gets it; the pillar at (3, 3) lets the player down only once, so the bomb
# and the top jewels have to come along on that one trip.
BOMB_FUSE_WAIT = 24
level(name="ShortFuse", title="Short Fuse", bg="Hollowmere.jpg", tiles=(12, 13, 34),
      hint="Snakes never look up. Bomb from above.",
      board=B(W16,
              "##P.C.......JY##",
              "###I############",
              "###...M#########",
              "###S.........E##",
              W16),
      plan=lambda p: p.go(4, 2).go(13, 2).go(3, 4).m("rRR").m("." * BOMB_FUSE_WAIT).set(3, 5, '.')
                      .go(12, 5).m("R"))

level(name="LastLantern", title="The Last Lantern", bg="Lanternhall.jpg", tiles=(129, 140, 167),
      music="DeepCistern.xm",
      hint="Every boulder has a job. Mind the order.",
      board=B(W16,
              "###.....########",
              "###P.B.WW.BhY###",
              "###..B.##..H.###",
              "###....##.KH.E##",
              W16),
      plan=lambda p: p.m("RRR").go(5, 5).m("U").go(4, 3).m("RRR.RRR").set(11, 4, '.').set(11, 5, '.')
                      .go(10, 5).go(12, 3).go(12, 5).m("R"))
