# The sixth part's first half: hard levels before the last stretch.

# A switched-on field holds a droid as a wall does. The droid walks the hall over the water and
# can sit on the red button that opens the door on the way up only through the blue field at
# (5, 3); once the player climbs above it, it follows him back out and the door shuts. So the
# boulder goes onto the blue button to let the droid in, the player draws it down from below
# the pocket, and then pushes the same boulder on off the button, which shuts the droid in, and
# into the moat, which bridges the way to the stair. Pushed straight through, the stone leaves
# the droid in the hall and the door shut for good.
level(name="Caged", title="Caged", bg="Cistern.jpg", tiles=(74, 75, 99),
      music="ClockworkDeep.xm",
      hint="A closed field holds a droid.",
      board=hollow(B("#WWWWWWWWWWW..E#",
                     "#W.........Z#H##",
                     "#WWWWF#######.##",
                     "#WWWWh#######.##",
                     "#WWWWWWWWWWWW.##",
                     "#WWWWWWWWWWWW.##",
                     "#W.P..B..f.W...#",
                     "#W.......WWWWWM#",
                     "#W..J.WWYWWWWWW#",
                     "#WWWWWWWWWWWWWW#")),
      props={(14, 1): {'Kind': 'ExitHatch'}})
