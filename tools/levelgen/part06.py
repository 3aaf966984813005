# Sixth part: crossings, relays and timing in the last third.

# Three stones for three crossings of the lake: no stone to spare. One shore stone, rolled west
# to column 3 and pushed up from (3, 9), sinks at (3, 7) and bridges the strait to the middle
# island; the other, brought to column 3 as well, rolls across that bridge and on up the
# island's west edge into (3, 4), the one cell that joins the key's islet. The island's own stone goes east into
# (9, 6), under the door's islet. A stone pushed up anywhere else on the shore, or into a
# corner of the island, is lost, and with it one of the crossings.
level(name="IslandKeys", title="Island Keys", bg="Sunkengarden.jpg", tiles=(4, 6, 29),
      music="TideCaves.xm", tint="507060",
      hint="Three stones, three crossings.",
      board=B("#WWWWWWWWWWWWWW#",
              "#WWKWWWWWWWWWWW#",
              "#WM.WWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WW.WWWWWWW.EWW#",
              "#WW....B.W.KWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WW.B.B.WWWWWWW#",
              "#WWP....WWWWWWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(12, 5): {'Kind': 'ExitHatch'}})

# One blue button, two stones, and a pillar that lets a stone go only one way. The first stone
# rolls over the pillar at (5, 4) onto the blue button, and the pillar rises behind it: the blue
# door at (5, 2) opens into the middle room, and nothing but that room can move the stone now.
# From above, it goes on down onto the red button, which opens the way east; the middle room's
# own stone then takes its place on blue, for the blue field before the key. Roll that stone
# into the column at (6, 3) too early and it jams there on top of the first one for good.
level(name="Relay", title="The Relay", bg="Frostvault.jpg", tiles=(129, 131, 160),
      music="LanternHall.xm",
      hint="Blue first, then swap stones.",
      board=hollow(B(W16,
                     "#P..MF..J#....Y#",
                     "#.####.B.H.....#",
                     "#..B.If######F##",
                     "######h####E.K.#",
                     W16)),
      props={(11, 5): {'Kind': 'ExitHatch'}})
