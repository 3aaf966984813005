# Seventh part: a spider re-routed.

# A spider keeps its left side to the wall, so it circles the pond with the water on its left,
# down the long pier and out again, and the key lies at the end of that pier. The boulder at
# (4, 4) stands over the one water cell that parts the pond in two: sunk, it lays a causeway
# across, and the spider turns into it the next time it passes. Sunk while the spider is on the
# left, west of the causeway, it circles the small left pond from then on and never comes near
# the pier; sunk while it is on the right, it circles the right pond, pier and all, and the key
# still has to be snatched between its rounds. So let it pass the nook, follow it west and push
# the boulder down behind it: then the causeway is the quick way down to the pier as well.
level(name="ShortCircuit", title="Short Circuit", bg="Sunkengarden.jpg", tiles=(68, 70, 92),
      music="ShadowWarren.xm", tint="507060",
      hint="Spiders take every left turn.",
      board=hollow(B("########P#######",
                     "########.#######",
                     "#.........X..###",
                     "#.WWBWWWWWWW.###",
                     "#.WWWW.....W.###",
                     "#.WW.W.WWW.W.###",
                     "#.WW.W.MKW.W.###",
                     "#.WW.WWWWW.W.###",
                     "#.WW.WWWWW.W.###",
                     "#............###",
                     "##########E#####")),
      props={(10, 11): {'Kind': 'ExitHatch'},
             (10, 3): {'InitialDirection': 'Left', 'WallFollowing': 'LeftWall'}})
