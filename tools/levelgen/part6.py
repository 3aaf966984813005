# Sixth part of the episode: the last and hardest main levels.

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
