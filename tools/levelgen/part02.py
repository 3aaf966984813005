# The second part of the episode: hostiles, then everything together, then the bonus levels.
# The snake keeps a ledge over the lake and watches row 4, the way down to the door. The
# boulder pushed down into that row hides the player from it.
level(name="Hiss", title="Hiss", bg="Lanternhall.jpg", tiles=(136, 137, 162),
      hint="Snakes fire along their row. Block them.",
      board=hollow(B(W16,
                     "#.P....#WWWWWWW#",
                     "#..B...#WWWWWWW#",
                     "#..?.....S#WWWW#",
                     "#......#WWWWWWW#",
                     "#...J..E#WWWWWW#",
                     "#......#WWWWWWW#",
                     W16)),
      props={(3, 4): {'Caption': 'CAREFUL', 'ImageName': 'Hint_Careful.jpg'}})

# Both ends of row 5 are watched by snakes, and the only way down crosses that row. Each boulder
# waits in a chute of its own above the row: with one dropped on either side of the crossing,
# both shots are blocked.
level(name="Crossfire", title="Crossfire", bg="Mossgate.jpg", tiles=(4, 5, 28),
      music="ShadowWarren.xm",
      hint="Two snakes, one row. Shield both sides.",
      board=B("#P.....#.....J.#",
              "#.............Y#",
              "###B###M###B####",
              "###.###.###.####",
              "#S............S#",
              "#########.######",
              "#WW.......WWWWW#",
              "#W..####..W...W#",
              "#W..#..#..WW.WW#",
              "#...#E.M.....JW#",
              "#W..####..WWWWW#",
              "#WW.......WWWWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(5, 10): {'Kind': 'ExitHatch'}})

# A causeway over the lake leads to a jam of three boulders that no push clears. Lit at the
# jam's mouth, (7, 2), the bomb takes the two boulders in front of the jewel and the door.
level(name="CherryPop", title="Cherry Pop", bg="Hollowmere.jpg", tiles=(10, 11, 35),
      hint="Carry a bomb, drop it lit, and run!",
      board=hollow(B(W16,
                     "##P.C...BB..#WW#",
                     "#WWWWW##B#E#WWW#",
                     "#WWWWW##J##WWWW#",
                     "#WWWWWWWWWWWWWW#",
                     "#WWWWWWWWWWWWWW#",
                     W16)))

# Both ways on from the corner at (6, 5) are jammed: a boulder with dirt behind it, which no push
# can move. The one bomb, dropped in the corner itself, takes both boulders at once; dropped
# anywhere else it clears only one of them.
level(name="Demolition", title="Demolition", bg="Emberforge.jpg", tiles=(8, 9, 35),
      music="ClockworkDeep.xm",
      hint="One bomb, two jams. Find the spot.",
      board=B("#WWWWWWWWWWWWWW#",
              "#WWWP.C#WWWWWWW#",
              "#WWWW..#WWWWWWW#",
              "######.#########",
              "#WWWWW.BD..Y.WW#",
              "#WWWWWB#WWWWWWW#",
              "#WWWWWD#WWWWWWW#",
              "#WWWWW.#WWWWWWW#",
              "#WWWWW.M..E.WWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(10, 9): {'Kind': 'ExitHatch'}})

# A cistern of walkways. The spider paces the corridor of row 6 between the dead end at (3, 6)
# and the water at its east end. Pushed down the chute in the turn after the spider reaches the
# dead end, the boulder at (4, 5) shuts it in; it bursts after five blocked turns and takes
# both boulders beside it along, which opens the way down at (2, 7) to the door's walk. The
# jewel above the dead end, at (3, 5), is reached only from the chute, and safely only once the
# spider is gone; the jewels of the top walk fill the wait.
level(name="EightLegs", title="Eight Legs", bg="Cistern.jpg", tiles=(72, 73, 97),
      music="DeepCistern.xm",
      hint="Shut a spider in: it bursts.",
      board=B("#WWWWWWWWWWWWWW#",
              "#W.P..WWWWW..J.#",
              "#W....M.....WWW#",
              "#WWW.WWWWWWWWWW#",
              "#WWYBWWWWWWWWWW#",
              "##B......X..WWW#",
              "##.#############",
              "#W...J.WWWWWWWW#",
              "#WWWW..WWWWWWWW#",
              "#WWWWW.....MWWW#",
              "#WWWWWWW.WWWWWW#",
              "#WWWWWWWEWWWWWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(9, 6): {'InitialDirection': 'Left', 'WallFollowing': 'LeftWall'},
             (8, 12): {'Kind': 'ExitHatch'}})

# The spider circles the ring round the middle block without end. Both keys lie in nooks off
# the ring, one cell deep past a doorway: the player slips in behind the spider, and waits deep
# in the nook, out of its reach, while it passes the doorway.
level(name="RingRound", title="Ring Round", bg="Frostvault.jpg", tiles=(129, 131, 160),
      music="ShadowWarren.xm",
      hint="Follow a spider; never stand beside it.",
      board=B("#WWWWWWWWWWWWWW#",
              "#WWWWP.WWWWWWWW#",
              "#####.##########",
              "###.....X....###",
              "###.########.###",
              "#K..########..K#",
              "###.########.###",
              "###..........###",
              "##########.#####",
              "#WWWWWWWW..WWWW#",
              "#WWWWWWWWY.WWWW#",
              "#WWWWWWWWWEWWWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(10, 12): {'Kind': 'ExitHatch'},
             (8, 4): {'InitialDirection': 'Left', 'WallFollowing': 'LeftWall'}})

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
      props={(13, 2): {'Kind': 'ExitHatch'}})

# A droid steps onto pillars as the player does, and a pillar rises once left. The droid
# waits in the garden hall above; stood below the pillar at (7, 6), across the water, the
# player draws it down over it into the cell beneath, where the risen pillar shuts it in for
# good. The player's own way up, the pillar at (14, 7), can be crossed only once, so the
# droid has to be dealt with first. A wide pond fills the garden below the walk.
level(name="OneWayDown", title="One Way Down", bg="Sunkengarden.jpg", tiles=(4, 6, 29),
      music="TideCaves.xm",
      hint="Pillars rise behind droids too.",
      board=B("#K......E.....K#",
              "#..............#",
              "#..............#",
              "#..............#",
              "#.......Z......#",
              "#######I######.#",
              "#######.######I#",
              "#WWWWWWWWWWWWW.#",
              "#P.....J.......#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              W16),
      props={(8, 1): {'Kind': 'ExitHatch'}})

# The snake at (1, 7) covers the whole of row 7, which the player has to walk to reach the way
# down at (13, 8). A droid in the row blocks shots as a boulder would: drawn along behind the
# player, never close enough to zap, it keeps the snake's line closed all the way. Lead it
# wrongly and it climbs out through the gap at (4, 6) and leaves the row open.
level(name="LivingShield", title="Living Shield", bg="Starlitruin.jpg", tiles=(136, 139, 162),
      music="ClockworkDeep.xm",
      hint="A droid stops a snake's shot, too.",
      board=B("#WWWWWWWWWWWWWW#",
              "#WWWW.........W#",
              "#WWWW..P....M.W#",
              "#WWWW.........W#",
              "#WWWW.........W#",
              "####.#####.#####",
              "#S..Z..........#",
              "#############.##",
              "#WWWWWWWWWW...W#",
              "#WWWWWWWWWW.J.W#",
              "#WWWWWWWWWW.E.W#",
              "#WWWWWWWWWWWWWW#"),
      props={(12, 11): {'Kind': 'ExitHatch'}})

# The snake at (8, 8) watches the whole of row 8, the only way to the door at (2, 8) and the
# jewel at (13, 8). It cannot see the cell above it, so a bomb left there gets it, and the
# player waits out the fuse in a corner of the room. The pillar at (7, 5) lets the player down
# from the hall only once: its jewel has to be gathered first.
level(name="ShortFuse", title="Short Fuse", bg="Hollowmere.jpg", tiles=(12, 13, 34),
      hint="Snakes never look up. Bomb from above.",
      board=hollow(["################",
                    "################",
                    "##P...........##",
                    "##..........Y.##",
                    "##............##",
                    "#######I########",
                    "#WWWW#....C#WWW#",
                    "#WWWW##.M.##WWW#",
                    "#.E.....S....J.#",
                    "#WWWWWWWWWWWWWW#",
                    "#WWWWWWWWWWWWWW#",
                    "################",
                    "################",
                    "################",
                    "################"]))

# A lantern hall of walkways over a lake, and three stones with a job each. The one on the pier
# at (6, 3) can only go into the water before it and bridge the way over to the island. There
# the second stone stands where two ways part: east onto the red button at (13, 3), or down the
# shaft into the water at (10, 10), which looks like the way to the key. The red button is the
# right job: its fields let the third stone, out on the bottom walk, through the
# field at (8, 10) into that water, and the player on through the field at (12, 11) to the
# door. Sunk down the shaft, the second stone leaves both fields shut for good.
level(name="LastLantern", title="The Last Lantern", bg="Lanternhall.jpg", tiles=(129, 140, 167),
      music="DeepCistern.xm",
      hint="Three stones, three jobs.",
      board=B("#WWWWWWWWWWWWWW#",
              "#W....WW...WYWW#",
              "#W.P..BW..B..hW#",
              "#W....WW...WWWW#",
              "#W....WWWW.WWWW#",
              "#WW.WWWWWW.WWWW#",
              "#WW.WWWWWW.WWWW#",
              "#WW.WWWWWW.WWWW#",
              "#WW.WWWWWW.WWWW#",
              "#WW...B.H.W..KW#",
              "#WWWWWWWWWWWHWW#",
              "#WWWWWWWWWWW.EW#",
              "#WWWWWWWWWWWWWW#"),
      props={(13, 12): {'Kind': 'ExitHatch'}})

# The bonus levels.

# A droid presses a button as a boulder does. Stood straight below the recess at (6, 5), the
# player draws the droid down onto the button in it, where walls and water hold it; the field at
# (13, 8) then stays open. Below, the snake at (6, 9) covers the row to the door's stair, and the
# boulder pushed ahead along the row keeps its line shut until the player can step down.
level(name="Switchman", title="The Switchman", bg="Emberforge.jpg", tiles=(72, 75, 98), bonus=True,
      music="GrandVault.xm",
      hint="Droids press buttons. Park one.",
      board=B("#WWWWWWWWWWWWWW#",
              "#W............W#",
              "#W............W#",
              "#W..........Z.W#",
              "#W####f#######W#",
              "#WWWWWWWWWWWWWW#",
              "#P....M.......Y#",
              "#############F##",
              "#WWWWS.....B...#",
              "#WWWWW..####.WW#",
              "#WWWWW.E#WWW.WW#",
              "#WWWWWWW#WWWJWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(7, 11): {'Kind': 'ExitHatch'}})

# A spider that bursts sets off a bomb lying beside it. The spider paces row 6 between the
# jewel at (4, 6) and the east end, over (8, 6) beside the bomb sealed in at (8, 7), and
# nothing stops it there: it has to be walled in on both sides. The boulder at (9, 5) goes
# down first, while the spider is west of it, and keeps it in the west half; the one at (7, 5)
# goes down in the turn after it reaches (8, 6). The pillar at (7, 2) lets the player over to
# the west shaft only once, so the east shaft comes first, and the jewel at (8, 1) before the
# pillar. The burst takes both boulders and lights the bomb, whose blast clears the boulder at
# (8, 8) off the stair down to the bridge and the door. Stepped down too soon, the player is
# caught in the blast.
level(name="PowderKeg", title="Powder Keg", bg="Emberforge.jpg", tiles=(8, 10, 35), bonus=True,
      music="GrandVault.xm",
      hint="A spider's burst lights bombs.",
      board=B("#WWWWWWWMWWWWWW#",
              "#WWW...I...WWWW#",
              "#WWW.WWWWW.WWWW#",
              "#WWW....#..PWWW#",
              "#WWWWWWB#BWWWWW#",
              "####J......X.###",
              "########C#######",
              "########B#######",
              "#WWWWWY...WWWWW#",
              "#WWWWWWWW.WWWWW#",
              "#WWWWWWWW.B.WEW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(13, 11): {'Kind': 'ExitHatch'},
             (11, 6): {'InitialDirection': 'Left', 'WallFollowing': 'LeftWall'}})
