# The fifth part's second half: more of the last third, before the hardest levels.

# Three stones for three crossings of the lake: no stone to spare. The shore stone pushed up
# from (3, 9) sinks at (3, 7) and bridges the strait to the middle island; the other shore
# stone, brought over to column 3, rolls across that bridge and on up the island's west edge
# into (3, 4), the one cell that joins the key's islet. The island's own stone goes east into
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
