# Seventh part: more of the bonus row, among the hardest levels of the episode.

# A figure drawn in one stroke. The stars of the figure are single floor cells and every line
# between two of them is a short run of pillars with a key or a jewel in the middle, so each
# line is walked exactly once and every one has to be walked. Only the start (3, 7) and the
# star under the door (7, 3) meet an odd number of lines, so the stroke runs from one to the
# other; reaching the door's star with lines still undrawn, or drawing the last line into a
# star too early, strands the player.
level(name="Constellation", title="Constellation", bg="Starlitruin.jpg", tiles=(136, 139, 162),
      bonus=True, music="GrandVault.xm",
      hint="One stroke crosses every pillar",
      board=hollow(B(W16,
                     "#######E########",
                     "###.IKI.IKI.####",
                     "###I###I###I####",
                     "###K###J###K####",
                     "###I###I###I####",
                     "###PIKI.IMI.####",
                     "###I###I########",
                     "###K###K########",
                     "###I###I########",
                     "###.IJI.########",
                     W16)),
      props={(7, 2): {'Kind': 'ExitHatch'}})
