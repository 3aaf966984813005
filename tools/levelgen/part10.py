# Tenth part: a droid let off its island.

# A sunk boulder makes floor for a droid as much as for the player. The droid is marooned on
# the island in the west, and the blue button that opens the way to the door lies in a pocket
# under the hall, which only a droid drawn down from the hall can fill: the one stone has to
# bridge the channel at (5, 2), not be wasted in the east water. Once the bridge is down, the
# jewel on the island has to be fetched with the droid still inside, led round the island's
# wall block and out behind the player. The pillar at (12, 6) is the only way down and rises
# behind the player: taken before the droid is out in the hall, it leaves the button empty for
# good. Below, the droid tracks the player along the hall's south wall and drops onto the
# button the moment he passes under the pocket, and stays there while he keeps below it.
level(name="Gangway", title="The Gangway", bg="Frostvault.jpg", tiles=(66, 72, 97),
      music="ClockworkDeep.xm",
      hint="Droids cross sunk stones too.",
      board=hollow(B("#WWWWWWWWWWWWWW#",
                     "#W...W.B....JWW#",
                     "#W.#.W..##...WW#",
                     "#W.#.W..##...WW#",
                     "#WZ.JW.P.....WW#",
                     "#WWWWW###f##I###",
                     "############.###",
                     "######EF.....###",
                     "################")),
      props={(6, 8): {'Kind': 'ExitHatch'}})
