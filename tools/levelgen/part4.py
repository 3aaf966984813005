# Fourth part of the episode: the hardest levels before the bonus row.

# Bombs lying on islands in the pond, each beside the next, form a fuse across it. The snake at
# (1, 11) watches the whole of the bottom row, and nothing reaches it but the fuse: the one loose
# bomb, dropped lit at (11, 1) beside the first island, sets off the islands one after the other
# down to the last, whose blast takes the snake.
level(name="PowderTrail", title="Powder Trail", bg="Cistern.jpg", tiles=(65, 66, 96),
      music="ClockworkDeep.xm",
      hint="A blast sets off the bombs beside it.",
      board=B("#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWo.P.CWWW#",
              "#WWWWWCWW.WWWWW#",
              "#WWWWCWWW.WWWWW#",
              "#WWWCWWWW.WWWWW#",
              "#WWCWWWWW.WWWWW#",
              "#WS.......WWWWW#",
              "#WWWYWWEWWWWWWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(7, 9): {'Kind': 'ExitHatch'}})
