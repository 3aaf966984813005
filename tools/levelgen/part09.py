# Ninth part: one-way doors planned in order.

# A field beside its button is a one-way door that can be used again and again: stand on the
# button and step straight into the field. A pillar is a door either way, but only once. The
# red button at (4, 9) lets the player out of the start room into the east hall or down into
# the south room, the blue one at (6, 6) out of the east hall up into the north room or back
# west. The north key lies just over the pillar at (2, 5) above the start, and that is the
# trap: the north room has no other way out, so it has to be entered through the blue field
# and left over that pillar. The south room is entered through red and left over the pillar
# at (11, 10); the pillar at (11, 5) up to the door is the last crossing, with both keys held.
level(name="Turnstiles", title="Turnstiles", bg="Sunkengarden.jpg", tiles=(72, 76, 98),
      music="AncientStories2.xm",
      hint="Pillars once. Fields one way.",
      board=hollow(B("#WWWWWWW#WWWWWW#",
                     "#WK....W#WW.E.W#",
                     "#W.WW..W#WW.WWW#",
                     "#W.WW..W#WW.WWW#",
                     "##I###F####I####",
                     "#....Ff.......J#",
                     "#.P..#.WWWW.WWW#",
                     "#....#.WWWW.WWW#",
                     "#...hH......WWW#",
                     "####H######I####",
                     "#W...WWWWWW.WWW#",
                     "#WK.........JWW#",
                     "#WWWWWWWWWWWWWW#")),
      props={(12, 2): {'Kind': 'ExitHatch'}})
