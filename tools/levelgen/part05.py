# Fifth part: hostiles and machinery combined, the start of the last third.

# A force field stops a spider as it stops the player. The key lies in the spider's cage behind
# the blue field at (7, 3), and the cage stands in a yard of pools: from the yard the player sees
# the spider pace round the key, but the only way on is the pillar door at (11, 3) up into the
# hall, which closes behind. Whatever opens the field for the player lets the spider out too.
# With the boulder on the button the spider follows its wall out of the cage and round the hall,
# and comes back in on every round: go in behind it for the key, out again before it is back,
# and keep out of its way in the hall.
level(name="SpiderCage", title="The Cage", bg="Hollowmere.jpg", tiles=(68, 69, 98),
      music="DeepCistern.xm",
      hint="Fields cage spiders too.",
      board=hollow(B("###M........E###",
                     "##fB.........Y##",
                     "#######F###I####",
                     "#....#...K#....#",
                     "#.WW.#..X.#.WW.#",
                     "#.WW.######.WW.#",
                     "#..............#",
                     "#.WWWW....WWWW.#",
                     "#.WWWW....WWWW.#",
                     "#......P.......#",
                     "#WWWW......WWWW#",
                     W16)),
      props={(8, 5): {'InitialDirection': 'Left', 'WallFollowing': 'LeftWall'},
             (12, 1): {'Kind': 'ExitHatch'}})

# Both droids step whenever the player does, even on the spot. Each blue button lies in a
# recess under a pillar, and a droid that follows the other one in stands on that pillar for
# good, so it never rises. While the player is east of it, the lower droid waits behind the
# stub at (6, 3): stepping up and down in place walks the upper droid alone along the hall, to
# drop into the east recess on the way west. Only then does the lower droid go its own way.
level(name="TwinSeekers", title="Twin Seekers", bg="Cistern.jpg", tiles=(74, 75, 99),
      music="TideCaves.xm",
      hint="Both droids step when you do.",
      board=hollow(B(W16,
                     "#Z.............#",
                     "##...Z#..#.....#",
                     "##I#######I#####",
                     "##f#######f#####",
                     "#WWWWWWWWWWWWWW#",
                     "#M.........P...#",
                     "#.............J#",
                     "##############F#",
                     "##############E#",
                     W16)),
      props={(14, 10): {'Kind': 'ExitHatch'}})

# A spider standing on a button holds it down like anything else, and a spider shut in stands
# still until it bursts. The spider walks the long corridor from end to end and only passes the
# blue button at (5, 5) once a round, too briefly to cross the double field at (7, 3). Pushed
# down the chute in the turn the spider reaches the button, the boulder shuts it in there: the
# field stays open while it waits to burst, just long enough to fetch the key and come back.
# Pushed a turn early, the boulder cuts the spider off from the button for good.
level(name="HeldOpen", title="Held Open", bg="Frostvault.jpg", tiles=(129, 131, 160),
      music="ClockworkDeep.xm",
      hint="Trap the spider on the button.",
      board=hollow(B(W16,
                     "#E.M..P#########",
                     "##J###BFFK######",
                     "######.#########",
                     "#####f........##",
                     "#############.##",
                     "#############.##",
                     "#############.##",
                     "#############.##",
                     "#############.##",
                     "#############.##",
                     "##X...........##",
                     W16)),
      props={(2, 12): {'InitialDirection': 'Right', 'WallFollowing': 'LeftWall'},
             (1, 2): {'Kind': 'ExitHatch'}})

# A spider in a snake's row stops the shot as any body does, and it walks. The spider paces
# row 7 between the west end and the snake; the player comes down the stair at (4, 4) when it
# has just poked into the pillar cell at (4, 6) and turned east again, and follows it close
# behind towards the snake. At (11, 7) the player has to be gone down over the pillar and
# through the dirt before the spider turns at the snake and comes back: lag one step and it
# meets the player, go ahead of it and the snake shoots.
level(name="WalkingShield", title="Walking Shield", bg="Starlitruin.jpg", tiles=(136, 139, 162),
      music="ShadowWarren.xm",
      hint="Keep close behind the spider.",
      board=hollow(B(W16,
                     "##P..Y##########",
                     "##.M..##########",
                     "####.###########",
                     "####J###########",
                     "####I###########",
                     "#......X......S#",
                     "###########I####",
                     "###########D####",
                     "####E..G...K####",
                     W16)),
      props={(7, 7): {'InitialDirection': 'Right', 'WallFollowing': 'LeftWall'},
             (4, 10): {'Kind': 'ExitHatch'}})

# A force field that is on stops a snake's shot, and the field at (3, 7) in the snake's row is
# blue like the door at (12, 6): whatever holds the blue button open lets the snake see the row.
# Standing on the button and stepping through the door shuts both behind the player. The yellow
# jewel's closet wants the boulder on the button; to go down after it, the boulder has to go on
# through the door and into the pool below the row, so that the button comes up again.
level(name="Shutter", title="The Shutter", bg="Lanternhall.jpg", tiles=(65, 66, 96),
      music="LanternHall.xm",
      hint="A closed field stops shots.",
      board=hollow(B(W16,
                     "#######..P...###",
                     "#####YF....#.###",
                     "#######.M..#B###",
                     "#######.....f###",
                     "############F###",
                     "#S.F...........#",
                     "#######K####W#E#",
                     W16)),
      props={(14, 8): {'Kind': 'ExitHatch'}})

# Risen pillars cut a spider's round. The spider circles the ring of corridors; the way down
# crosses the ring twice, over the pillars at (7, 4) and (7, 9), and the key and jewels at either
# end of each crossing keep the spider out of the shaft and the stairs. The first pillar turns
# the ring into a corridor the spider walks back and forth; the second splits that corridor in
# two, and whichever half the spider is in when it rises is its own for good. The second key
# lies off the west half: leave the second pillar while the spider walks the east one.
level(name="RingCut", title="Cutting the Ring", bg="Mossgate.jpg", tiles=(4, 5, 28),
      music="ShadowWarren.xm",
      hint="Pillars cut the spider's ring.",
      board=hollow(B(W16,
                     "######.P.#######",
                     "#######J########",
                     "###....I.....###",
                     "###.###K####.###",
                     "##K.###.####.###",
                     "###.###.####.###",
                     "###.###J####.###",
                     "###....I..X..###",
                     "####J##J########",
                     "###E..Y.########",
                     W16)),
      props={(10, 9): {'InitialDirection': 'Left', 'WallFollowing': 'LeftWall'},
             (3, 11): {'Kind': 'ExitHatch'}})

# Dirt stops a droid as a wall does, and only the player can clear it. The droid has the hall,
# and dirt plugs both ways down from it: the recess over the blue button at (6, 5) and the
# stair at (3, 4). Drawn west along the hall's lower row, the droid stops behind the stub at
# (9, 3). The player climbs the recess over its pillar and digs the plug, steps up into row 2 so
# that the droid comes round the stub after him, and goes down the stair, digging its foot, with
# the droid far enough behind for the stair's pillar to rise before it. From below, the droid
# follows along the hall and drops through the open plug onto the button, where the risen
# pillar holds it.
level(name="DirtDoor", title="The Dirt Door", bg="Emberforge.jpg", tiles=(8, 10, 35),
      music="AncientStories2.xm",
      hint="Droids cannot pass dirt.",
      board=hollow(B(W16,
                     "#M.............#",
                     "#......Y.#..Z..#",
                     "###I##D#########",
                     "###.##f#########",
                     "###D##I#########",
                     "#J............P#",
                     "##########F#####",
                     "##########E#####",
                     W16)),
      props={(10, 9): {'Kind': 'ExitHatch'}})
