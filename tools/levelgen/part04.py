# Fourth part of the episode: the first of the hard levels.

# Three pieces hand on to each other, and in the right order. The stone at (11, 7) has to be
# pushed west along the walk to the chute at (8, 7), so from the east, and every way west
# drags the droid along its hall until it drops into the empty pocket at (10, 5). Only the
# player up on the north walk draws it out again, and only led in from the west does it pass
# that pocket and drop onto the blue button at (5, 5), where it stays while the player keeps
# below it. Blue opens the field in the chute, and the stone goes on down onto the red button
# at (8, 10) in the snake's row: it opens the red field before the door and stops the snake's
# shot. The blue field at (12, 10) needs the droid on its button to the end. Parked first,
# the droid has to be fetched again; taken down into the snake's row before the stone, the
# player is shot; pushed on into the corner at (1, 7), the stone is lost.
level(name="HandOnHand", title="Hand on Hand", bg="Emberforge.jpg", tiles=(72, 73, 97),
      music="ClockworkDeep.xm",
      hint="Droid on blue, boulder on red.",
      board=B("#WWWWWWWWWWWWWW#",
              "#....Y.........#",
              "#.WWWWWWWWWWWW.#",
              "#.W........ZWW.#",
              "#.W##f####.#WW.#",
              "#.WWWWW...WWWW.#",
              "#..........B.P.#",
              "#WWWWWWW.WW.WWW#",
              "#WWWWWWWFWW.WWW#",
              "#S.WWWW.h...F.M#",
              "#WWWWWWWWWWWWHW#",
              "#WWWWWWWWWWWWEW#",
              "#WWWWWWWWWWWWWW#"),
      props={(13, 12): {'Kind': 'ExitHatch'}})

# Anything lying in a snake's row stops its shot, jewels and keys too, but only until it is
# picked up. The player comes down into the snake's row at (14, 7) behind the jewels and the
# key; walking left to the way up at (7, 7) takes two of them, and the key at (3, 7) and the
# jewel beside it still shield. Up in the pocket the boulder goes down the chute at (2, 4) into
# the row beside the snake; only then can the key, the last shield, be taken safely.
level(name="GlassShield", title="Glass Shield", bg="Lanternhall.jpg", tiles=(129, 131, 164),
      music="ShadowWarren.xm",
      hint="Jewels stop shots until you take them.",
      board=B("#WWWWWWWWWWWWWW#",
              "#W......WWWWWWW#",
              "#WB..J..WWWWWWW#",
              "#W.WWWW.WWWWWWP#",
              "#W.WWWW.WWWWWW.#",
              "#W.WWWW.WWWWWW.#",
              "#S.KJ...J.M.J..#",
              "#WWWWWWWWWWWWW.#",
              "#WWWWWWWWWWWWWE#",
              "#WWWWWWWWWWWWWW#"),
      props={(14, 9): {'Kind': 'ExitHatch'}})

# The moat is two cells wide and there are three boulders: two make a causeway and the third has
# to cross it onto the blue button on the island. All three travel row 6, one after the other:
# the one in the row first, then the two from the chutes, the nearer one before the farther.
level(name="DoubleMoat", title="Double Moat", bg="Sunkengarden.jpg", tiles=(4, 6, 29),
      music="TideCaves.xm",
      hint="Three stones, one row. Mind the order.",
      board=B("#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#W.....WWWWWWWW#",
              "#W.B#B#WWJWWWWW#",
              "#W..#.#WW.WWWWW#",
              "#WP.B.WW...f.FE#",
              "#WWWWWWWW....WW#",
              "#WWWWWWWWMWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(14, 6): {'Kind': 'ExitHatch'}})
