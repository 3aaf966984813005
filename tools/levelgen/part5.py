# Fifth part of the episode: hostiles and machinery combined, after the hard stretch opens.

# A spider in a snake's row stops the shot as any body does, and it walks. The spider paces
# row 7 between the west end and the snake; the player comes down the stair at (4, 4) when it
# has just poked into the pillar cell at (4, 6) and turned east again, and follows it close
# behind towards the snake. At (11, 7) the player has to be gone down over the pillar and
# through the dirt before the spider turns at the snake and comes back: lag one step and it
# meets the player, go ahead of it and the snake shoots.
level(name="WalkingShield", title="Walking Shield", bg="Starlitruin.jpg", tiles=(136, 139, 162),
      music="ShadowWarren.xm",
      hint="Keep close behind the spider.",
      board=hollow(B(W16,
                     "##P..Y##########",
                     "##.M..##########",
                     "####.###########",
                     "####J###########",
                     "####I###########",
                     "#......X......S#",
                     "###########I####",
                     "###########D####",
                     "####E..G...K####",
                     W16)),
      props={(7, 7): {'InitialDirection': 'Right', 'WallFollowing': 'LeftWall'},
             (4, 10): {'Kind': 'ExitHatch'}})
