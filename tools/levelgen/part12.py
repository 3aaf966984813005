# Twelfth part: more of the bonus row, among the hardest levels of the episode.

# A figure drawn in one stroke. The stars of the figure are single floor cells and every line
# between two of them is a short run of pillars with a key or a jewel in the middle, so each
# line is walked exactly once and every one has to be walked. Only the start (1, 7) and the
# star by the door, (9, 7), meet an odd number of lines, so the stroke runs from one to the
# other. The line from (5, 7) to (9, 7) is the only one between the two halves of the figure:
# crossed before both loops of the left half are drawn, it strands the rest for good.
level(name="Constellation", title="Constellation", bg="Starlitruin.jpg", tiles=(136, 139, 162),
      bonus=True, music="GrandVault.xm",
      hint="Draw it all in one stroke.",
      board=hollow(B(W16, W16,
                     "#.IKI.###.IJI.##",
                     "#I###I###I###I##",
                     "#J###K###K###K##",
                     "#I###I###I###I##",
                     "#PIKI.IMI.IKI.##",
                     "#I###I###E######",
                     "#K###J##########",
                     "#I###I##########",
                     "#.IKI.##########",
                     W16)),
      props={(9, 8): {'Kind': 'ExitHatch'}})

# The droid lives in its own maze of causeways in the lake and the player walks the shore round
# it, steering it from there: it steps along the longer way towards the player, takes the other
# way only when that one is blocked, and never looks at the side the player is not on. Two
# pits open below its causeways behind the pillars at (5, 4) and (9, 8): dragged along from
# the bottom shore it drops into one and stays. Walked round by the top shore instead, the player
# draws it east, down over the one-way pillar at (11, 6), back west above the second pit and
# down onto the blue button at (4, 10), which holds the field before the door open.
level(name="Shepherd", title="The Shepherd", bg="Sunkengarden.jpg", tiles=(4, 6, 29),
      bonus=True, music="GrandVault.xm", tint="507060",
      hint="Lead the droid from the shore.",
      board=hollow(B("#M.............#",
              "#.WWWWWWWWWWWW.#",
              "#.WZ.....WWWWW.#",
              "#.WWWIWW.WWWWWJ#",
              "#.WWW.WW....WW.#",
              "#.WWWWWWWWWIWW.#",
              "#.WW........WW.#",
              "#.WW.WWWWIWWWW.#",
              "#JWWfWWWW.WWWW.#",
              "#.WWWWWWWWWWWW.#",
              "#P............Y#",
              "#######F########",
              "#######E########")),
      props={(7, 13): {'Kind': 'ExitHatch'}})

# A cramped room in the middle of a cistern, the door across the water in the far corner of
# the west hall. Three boulders in the room have to sink each in its own pool, in order: the
# first fills (9, 4) and opens the way round the top, the second fills (8, 9) so the third can
# be rolled along the bottom row over it into (6, 9), the pool before the room's only way out
# at (6, 10). Nearly every other push jams a boulder against a wall for good. Out in the
# cistern no boulder follows: the walk round the pools to the door is the reward.
level(name="TightCorner", title="Tight Corner", bg="Cistern.jpg", tiles=(65, 67, 92),
      bonus=True, music="GrandVault.xm", tint="906040",
      hint="Each stone has its own pool.",
      board=hollow(B("#.E...WWWWWWWWW#",
                     "#.....WWWWWWWWW#",
                     "#..WW.#####WWWW#",
                     "#..WW#.B.W.#WWW#",
                     "#....#...B.#WWW#",
                     "#.WW.#P#...#WWW#",
                     "#.WW.#.#MB##WWW#",
                     "#....#W.#..#WWW#",
                     "#.WWW#W.W..#WWW#",
                     "#.WWW#.#####WWW#",
                     "#.......WWWWWWW#",
                     "#WWWWWWWWWWWWWW#",
                     W16)),
      props={(2, 1): {'Kind': 'ExitHatch'}})

# Three boulders, three jobs, one order. The one at (10, 7) sinks in the pool above it and
# opens the nook at (8, 6), the only place from which the one at (8, 7) can be pushed down
# into the pool in the bottom row. Only then may the last one, brought round from the far
# left, roll along that row over the filled pool onto the blue button that opens the door.
level(name="Roundabout", title="Roundabout", bg="Frostvault.jpg", tiles=(65, 66, 88),
      bonus=True, music="GrandVault.xm", tint="906040",
      hint="The last stone goes round.",
      board=hollow(B(W16, W16, W16,
                     "####..MP########",
                     "####...#.#######",
                     "#####..#..W#####",
                     "#####B.#B#B#####",
                     "####....Wf.FE###",
                     "#####.#....#####",
                     W16)),
      props={(12, 8): {'Kind': 'ExitHatch'}})

# Two droids in two causeway mazes, and both blue buttons have to be held at once. Every step
# on the shore pulls both of them. The upper droid goes east along the top causeway and down
# onto its button at (12, 5), where it stays only while the player keeps to the rows below it;
# pulled east from the bottom shore it drops into the pit at (6, 5) instead, so from the corner
# start the player works it along from the east shore, stepping up and down. The lower one
# then goes up over the pillar at (12, 8), west past the pit at (8, 9) and over the pillar at
# (5, 7), and down onto its button at (3, 9).
level(name="TwoDroids", title="Two Droids", bg="Lanternhall.jpg", tiles=(129, 131, 164),
      bonus=True, music="GrandVault.xm", tint="906040",
      hint="Both droids pull the same way.",
      board=hollow(B("#..............#",
                     "#.WWWWWWWWWWWW.#",
                     "#.WZ.........W.#",
                     "#.WWWWIWWWWW.W.#",
                     "#.WWWW.WWWWWfW.#",
                     "#.WWWWWWWWWWWW.#",
                     "#.W..I.......W.#",
                     "#.W.WWWWIWWWIW.#",
                     "#JWfWWWW.WWWZW.#",
                     "#.WWWWWWWWWWWW.#",
                     "#...M.........P#",
                     "#######F########",
                     "#######E########")),
      props={(7, 13): {'Kind': 'ExitHatch'}})

# The causeways wind from the lower mere up the east side and back across the upper one to the
# one-way pillar at (1, 5), which shuts the player into the niche with the bomb. Below it a
# spider paces the dead-end passage to the door, back and forth, and while it lives the
# passage is closed to the player. The boulder at (4, 7) shuts it in and no push moves it.
# The bomb has to go off in the niche at (4, 6), round the corner from the passage, whose blast
# reaches one cell of it, (5, 7), and the boulder. The spider stands on that cell for one turn
# of its round, so the bomb has to be dropped at the right turn, twenty turns ahead of it.
level(name="Countdown", title="Countdown", bg="Emberforge.jpg", tiles=(72, 73, 97),
      bonus=True, music="ClockworkDeep.xm",
      hint="Twenty turns. Count its round.",
      board=hollow(B("#WWWWWWWWWWWWWW#",
                     "#W.....WWWWWWWW#",
                     "#W.WWW.....WWWW#",
                     "#..WWWWWWW.....#",
                     "#I#####WWWWWWW.#",
                     "#.C..#########.#",
                     "####B........#.#",
                     "#######J####.#.#",
                     "#WWWWWW####M.#.#",
                     "#W...WWWW###X#.#",
                     "#W.P.WWWW###E#.#",
                     "#WW......WWW#W.#",
                     "#WWWWWWW.......#")),
      props={(12, 11): {'Kind': 'ExitHatch'},
             (12, 10): {'InitialDirection': 'Up', 'WallFollowing': 'LeftWall'}})
