# Third part of the episode: hostiles and the board's pieces combined in wider rooms.

# Three snake rows, each crossed by walking along it: the boulder lying in the row goes ahead
# of the player, always between the player and the snake, until the way on. The third row's
# shield is not in the row yet: it waits in the chute at (10, 7), pushed down from row 6
# while that row's own shield still covers the player.
level(name="ShieldAhead", title="Shield Ahead", bg="Mossgate.jpg", tiles=(4, 5, 28),
      music="ShadowWarren.xm",
      hint="Push a boulder ahead of you.",
      board=B("#oooo#P..#ooooo#",
              "#oooo#...#ooooo#",
              "#####M##.#######",
              "#S.....B......J#",
              "###.############",
              "#J..B.........S#",
              "##########B#.###",
              "#S............M#",
              "###.############",
              "#WW.WWWWWWWWWWW#",
              "#W...Y....WW..W#",
              "#WW.WWWW.....EW#",
              "#WWWWWWWWWWWWWW#"),
      props={(13, 12): {'Kind': 'ExitHatch'}})

# The causeway of pillars is the only way over, and the channel below the far shore takes two
# boulders where that shore holds one. A boulder pushed over pillars spends nothing while the
# player follows it step for step: each pillar rises only once the player leaves it, so the
# second stone has to come across in the one trip.
level(name="Causeway", title="The Causeway", bg="Sunkengarden.jpg", tiles=(4, 6, 29),
      music="TideCaves.xm", tint="507060",
      hint="Follow a stone over: one trip.",
      board=B("#WWWWWWWWWWWWWW#",
              "#WW.J.WWWY..WWW#",
              "#WW...III...WWW#",
              "#WW.B.WWWWWBWWW#",
              "#WWWPWWWWWW.WWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWW....WW#",
              "#WWWWWWWW.E.MWW#",
              "#WWWWWWWWWWWWWW#"),
      props={(10, 9): {'Kind': 'ExitHatch'}})

# The snake at (8, 8) watches the only row to the door, and no dry cell comes near it. The
# bombs lying on the stepping stones across the pool are each within a blast of the next: one
# lit bomb dropped at (4, 4), the only shore cell beside the first stone, sets off the whole
# line, and the last blast takes the snake.
level(name="FuseLine", title="Fuse Line", bg="Cistern.jpg", tiles=(65, 66, 96),
      music="ClockworkDeep.xm", tint="507090",
      hint="A blast sets off every bomb beside it.",
      board=B("#ooooooooooooo##",
              "#oWWWWoooooooo##",
              "#W.MWWWooooooo##",
              "#WPC.WWWoooooo##",
              "#W.WWCWWWooooo##",
              "#W.WWWCWWWoooo##",
              "#W.WWWWCWWWooo##",
              "#W......S.YWoo##",
              "#oWWWWWWW.WWoo##",
              "#ooooooWWEWooo##",
              "#oooooooWWoooo##",
              "#ooooooooooooo##",
              "#ooooooooooooo##"),
      props={(9, 10): {'Kind': 'ExitHatch'}})

# The snake at (2, 7) covers the row the player has to walk to reach the hall above. A risen
# pillar stops shots as a wall does, but the player cannot cross the pillar at (4, 7) without
# standing in the snake's sight. The droid can: drawn straight down from the hall by the
# player below the pool, it steps over the pillar into the pocket at (4, 8), the pillar rises
# behind it, and walls, water and the pillar hold it there.
level(name="RaisedWall", title="Raised Wall", bg="Starlitruin.jpg", tiles=(136, 139, 162),
      music="ShadowWarren.xm",
      hint="A risen pillar stops a snake's shot.",
      board=B("#oooooooooooooo#",
              "#oW.....M....Wo#",
              "#oW.Z........Wo#",
              "#oW..........Wo#",
              "#oW..E....Y..Wo#",
              "#oWW.WWW.WWWWWo#",
              "#WS.I........JW#",
              "#WWW.WWWWWWWW.W#",
              "#oWWWWWWWWWWW.W#",
              "#oW.........P.W#",
              "#oW......M....W#",
              "#oWWWWWWWWWWWWW#",
              "#oooooooooooooo#"),
      props={(5, 5): {'Kind': 'ExitHatch'}})
