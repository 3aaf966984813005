# Eleventh part: the last and hardest main levels, ending with the episode's final level.

# Nine small rooms, and every doorway between them a pillar: each is crossed once and then
# stands as wall. The corner rooms hold the keys and have two doors each, so a corner is passed
# through: in by one door, out by the other. Counted out, only one round takes every room and
# ends at the door: east first, then north, west along the top and down the west side. The
# doorway west of the start is the trap: whoever takes it first can still walk a round, but it
# ends at the door with the south-west key left behind.
level(name="NineRooms", title="Nine Rooms", bg="Mossgate.jpg", tiles=(16, 17, 29),
      music="LanternHall.xm",
      hint="Every doorway opens only once.",
      board=hollow(B("################",
                     "################",
                     "###K..I...#..K##",
                     "###...#...I...##",
                     "####I#######I###",
                     "###...#.P.I...##",
                     "###...I...#...##",
                     "###I#########I##",
                     "###...I.Y.#...##",
                     "###K..#...I..E##",
                     "################")),
      props={(13, 10): {'Kind': 'ExitHatch'}})

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
