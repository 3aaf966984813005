# Eighth part: fields held in turn, by a droid and by one stone.

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

# One stone for two colours. The red field at (3, 8) and the blue one at (12, 10) each open
# only while the stone holds the other button of their colour and the player steps off the
# button beside them into the field: red while the stone stands on (7, 9), blue while it
# stands on (5, 9). Each field leads round to the far end of the hall, behind the stone, so
# every trip turns the player round: pushed right onto red for the first trip, the stone has
# to be pushed back left onto blue for the second and right onto red again for the last,
# which reaches the door once both keys are held. A pillar closes each way back into a loop;
# walked into backwards the blue loop is a trap, and a stone pushed one cell too far blocks a
# gate.
level(name="GoBetween", title="The Go-Between", bg="Hollowmere.jpg", tiles=(10, 11, 35),
      music="LanternHall.xm",
      hint="One stone, two colours.",
      board=hollow(B(W16,
                     "##########E#####",
                     "###...K....M...#",
                     "###.##########.#",
                     "###.##########.#",
                     "###.##########.#",
                     "###.##########.#",
                     "###H##########I#",
                     "#P.h.fBh....f..#",
                     "#I##########F###",
                     "#.##########.###",
                     "#.....J.K....###",
                     W16)),
      props={(10, 2): {'Kind': 'ExitHatch'}})
