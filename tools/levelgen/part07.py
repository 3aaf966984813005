# Seventh part: a spider re-routed.

# A spider keeps its left side to the wall, so it circles the pond with the water on its left
# and walks every pier that opens off that side, the long winding one with the key at its far
# end included. The rest of its round is too short for a walk to the key and back between two
# of its visits, however well timed: whoever is still inside when it turns in meets it there.
# The boulder at (3, 4) stands over the one water cell that cuts off the pond's top-left
# corner: pushed down behind the spider just after it has passed on its way west, it lays a
# causeway that the spider turns into on its way south, and from then on it circles that
# one-cell corner pond for good, far from the pier. Sunk while the spider is still east of it,
# the causeway only shortens its round and leaves the pier in it.
level(name="ShortCircuit", title="Short Circuit", bg="Sunkengarden.jpg", tiles=(68, 70, 92),
      music="ShadowWarren.xm", tint="507060",
      hint="Spiders take every left turn.",
      board=hollow(B("#####P##########",
                     "#####.##########",
                     "#.......X...E###",
                     "#.WBWWWWWWW.####",
                     "#..WW.......####",
                     "#.WWW.WWWWW.####",
                     "#.WWW.....W.####",
                     "#.WWWWWWW.W.####",
                     "#.WWKM....W.####",
                     "#.WWWWWWWWW.####",
                     "#...........####")),
      props={(12, 3): {'Kind': 'ExitHatch'},
             (8, 3): {'InitialDirection': 'Left', 'WallFollowing': 'LeftWall'}})
