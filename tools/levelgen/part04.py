# Fourth part of the episode: the first of the hard levels.

# Three pieces hand on to each other. The droid, drawn along the hall above the water, drops into
# the recess at (7, 3) once the player stands below it, and holds the blue button there. That
# opens the blue field at (10, 7), so the boulder can go down the chute onto the red button in
# the snake's row, where it does two jobs: it opens the red field and stops the snake's shot.
level(name="HandOnHand", title="Hand on Hand", bg="Emberforge.jpg", tiles=(72, 73, 97),
      music="ClockworkDeep.xm",
      hint="Droid on blue, boulder on red.",
      board=B("#WWWWWWWWWWWWWW#",
              "#W.....Z......W#",
              "#W#####f######W#",
              "#WWWWWWWWWWWWWW#",
              "#W.P.....J....W#",
              "#WWWWWWWWWB#.WW#",
              "#WWWWWWWWWF#.WW#",
              "#S........h.MHE#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(14, 8): {'Kind': 'ExitHatch'}})

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
