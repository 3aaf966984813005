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

# From the south hall the way runs up the west corridor, past its jewel, and across the top
# hall to the one-way pillar at (5, 6), which shuts the player into the bomb chamber below.
# There the way on is jammed, and the only stone that can bridge the pool beyond lies right
# beside the one corner, (8, 7), where a dropped bomb reaches the bomb in the wall. That one
# sets off the next, which clears the jam; a bomb dropped at the jam's mouth only takes the
# first boulder and leaves the second stuck against the dirt. Every blast takes the stones
# beside it, so before the fuse burns down the stone has to go one step left, the only place
# out of reach from which it can still be pushed all the way to the water and the door.
level(name="SpareStone", title="The Spare Stone", bg="Emberforge.jpg", tiles=(8, 9, 35),
      music="ClockworkDeep.xm",
      hint="Spare a stone from the blast.",
      board=hollow(B("#....#.........#",
                     "#....#...WWW...#",
                     "#........WWW...#",
                     "#.........#....#",
                     "#.###.##########",
                     "#.###I###C######",
                     "#J###...C#C#####",
                     "#.###..B.BBDWYE#",
                     "#.##############",
                     "#..........#...#",
                     "#.WWWW.....#...#",
                     "#.WWWW....P....#",
                     "#..............#")),
      props={(14, 8): {'Kind': 'ExitHatch'}})

# Anything heavier than the floor holds a button down, and a dropped bomb is no exception: lit
# on the blue button at the foot of the nook, it holds the vault's field open for as long as
# its fuse burns. The vault's stone has to come out through that field and go onto the red
# button by the start, which opens the way down to the door, and no stone can ever reach the
# blue button. The red button beside the start is the trap: the bomb holds that one just as
# well, but the door stays locked without the vault's key. The fuse leaves not a turn to
# spare: straight round the vault's ring to come in behind the stone, taking the key and the
# jewel in the notch on the way, then push the stone out west. Walking into the stone from the
# door rolls it deeper and costs turns the fuse does not have; rolled twice, it jams in the
# corner.
level(name="LiveWire", title="Burning Weight", bg="Starlitruin.jpg", tiles=(136, 139, 162),
      music="ShadowWarren.xm",
      hint="A lit bomb still weighs.",
      board=hollow(B("#WWWWWWWWWWWWWW#",
                     "#WWWWWWWWWWWWWW#",
                     "#WWWWWWWWWWWWWW#",
                     "#WWWWW#C######W#",
                     "#WW.hP..F.B..#W#",
                     "#WW.WWHW#.##.#W#",
                     "#WWfWW.W#..K.#W#",
                     "#WWWWW.W####Y#W#",
                     "#WWE.J.WWWWWWWW#",
                     "#WWWWWWWWWWWWWW#",
                     "#WWWWWWWWWWWWWW#",
                     "#WWWWWWWWWWWWWW#",
                     "#WWWWWWWWWWWWWW#")),
      props={(3, 9): {'Kind': 'ExitHatch'}})

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
