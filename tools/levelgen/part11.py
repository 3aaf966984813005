# Eleventh part: the last and hardest main levels, ending with the episode's final level.

# A key lying on a button weighs it down like a stone: both keys start on buttons, the red one
# in the west room beside the start, the blue one at the east end of the lane. Lifting the red
# key shuts both red fields and with them the east wing; lifting the blue one shuts the blue
# field in the lane, the west wing behind it and the way down to the door. The one stone has
# to run the whole lane, out through blue and in through red, before either key is taken:
# push it east to the middle, go round by the top through red, take the blue key, then push
# the stone onto the blue button in its place. Only then is the red key, the nearest and most
# tempting thing in the level, safe to take. A stone pushed all the way east before the blue
# key is gone stops against it and walls it off for good.
level(name="NineRooms", title="Counterweight", bg="Mossgate.jpg", tiles=(16, 17, 29),
      music="LanternHall.xm",
      hint="Treasure holds buttons down.",
      board=hollow(B(W16,
                     "#######....#..J#",
                     "#######....H...#",
                     "#K....#.P..#...#",
                     "#.....#....#...#",
                     "##.##.##.####.##",
                     "##.B..F....H..K#",
                     "#########F######",
                     "#WWWWWWWW.WWWWW#",
                     "#WWWWWWW...WWWW#",
                     "#WWWWWWW.E.WWWW#",
                     "#WWWWWWWWWWWWWW#")),
      under={(1, 4): 'h', (14, 7): 'f'},
      props={(9, 11): {'Kind': 'ExitHatch'}})

# The way on is jammed, and the only stone that can bridge the pool beyond lies right beside
# the one corner, (8, 7), where a dropped bomb reaches the bomb in the wall. That one sets off
# the next, which clears the jam; a bomb dropped at the jam's mouth only takes the first
# boulder and leaves the second stuck against the dirt. Every blast takes the stones beside
# it, so before the fuse burns down the stone has to go one step left, the only place out of
# reach from which it can still be pushed all the way to the water.
level(name="SpareStone", title="The Spare Stone", bg="Emberforge.jpg", tiles=(8, 9, 35),
      music="ClockworkDeep.xm",
      hint="Spare a stone from the blast.",
      board=hollow(B("################",
                     "################",
                     "################",
                     "################",
                     "################",
                     "#########C######",
                     "#####.P.C#C#####",
                     "#####..B.BBDWYE#",
                     "################")),
      props={(14, 8): {'Kind': 'ExitHatch'}})

# A force field that is switched on stops a snake's shot as a wall does, and here the colours
# cross: each snake row has a field between the snake and its key, and the field of one row is
# the gate of the other row's stair. Blue shields the lower row and shuts the stair up, red
# shields the upper row and shuts the stair down. The one stone runs along a dead-end track
# over the blue button onto the red one and never comes back: on blue, the upper key is safe to
# take; pushed on to red, the lower one is. Pushed through to red at once, it leaves the upper
# key for good.
level(name="LiveWire", title="Live Wire", bg="Starlitruin.jpg", tiles=(136, 139, 162),
      music="ShadowWarren.xm",
      hint="One row, one colour at a time.",
      board=hollow(B("#WWWWWWWWWWWWWW#",
              "#W.K.M....H..SW#",
              "#WWWWWW.WWWWWWW#",
              "#WWWWWWFWWWWWWW#",
              "#W..P..J....E.W#",
              "#W.WWWWWWW.WWWW#",
              "#W.B..fh#W.WWWW#",
              "#WWWWWWWWWHWWWW#",
              "#WWWWWWWWW.WWWW#",
              "#W.K.Y.....F.SW#",
              "#WWWWWWWWWWWWWW#")),
      props={(12, 5): {'Kind': 'ExitHatch'}})

# The vault's pieces hand on one to the next, and each step shuts the way back. The stone in
# the chute beside the start has to go down into the snake's row before the one-way pillar at
# (2, 5) takes the player down there; pushed along the row ahead of the player it shields the
# walk to the right, and there the droid, which has tracked the player along its own hall,
# steps over the pillar at (10, 4) onto the red button and is shut in. The red gate opens onto
# a second one-way pillar and the last bomb. Dropped at (7, 10) it takes the boulder beside it
# and sets off the bomb buried in the jam, which clears the way to the door; the one cell out of
# reach of both blasts is the one the bomb lay on.
level(name="GrandVault", title="The Grand Vault", bg="Lanternhall.jpg", tiles=(129, 131, 164),
      music="GrandVault.xm",
      hint="Every piece has its turn.",
      board=hollow(B("################",
                     "#WWWWWWWWWWWWWW#",
                     "#W.P.J#...Z...W#",
                     "#W.W.WWWWWIWWWW#",
                     "#WIWBWWWWWhWWWW#",
                     "#W.W.WWWWWWWWWW#",
                     "#W...........SW#",
                     "#WWWWWWWWHWWWWW#",
                     "#WWWWWWWWIWWWWW#",
                     "#WWWWW#..CWWWWW#",
                     "#WWWWBCBWWWWWWW#",
                     "#WWWWEBDYWWWWWW#",
                     "#WWWWWWWWWWWWWW#")),
      props={(5, 12): {'Kind': 'ExitHatch'}})
