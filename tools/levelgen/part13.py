# Thirteenth part: the bonus row's last level.

# Two stones, two colours, and every field opens only while all the buttons of its colour are
# down. A stone pushed off its button through the field beside it keeps that field open if the
# player steps onto the button as the stone leaves it: for one more push, the player holds the
# button instead. The stone in the left shaft takes that way through the red field up to the
# blue button at (3, 3), but only while the other stone holds the red button at (11, 7). The
# bent passage down the left side brings the player back, and no stone climbs its corner. Then
# the stone in the right shaft goes on up through the blue field the same way, and the player
# after it to the door. Pushed a step too far early on, it lies on the blue button
# for good. Each colour is held down by stones alone only once: the jewel behind the red field
# at (12, 10) has to be taken while both stones stand on red, the one behind the blue field at
# (8, 11) while the right stone waits on the blue button for its last push.
level(name="ChangingHands", title="Changing Hands", bg="Mossgate.jpg", tiles=(65, 66, 96),
      bonus=True, music="GrandVault.xm",
      hint="Step on as the stone leaves.",
      board=hollow(B(W16,
                     "#...M.#######.E#",
                     "#.#f...####..J##",
                     "#.##...####..###",
                     "#..##.#####F####",
                     "##.##H#####f####",
                     "##.##h#####h####",
                     "##.##.#####B####",
                     "##.##B#####.####",
                     "##P....Y....HG##",
                     "########F#######",
                     "########J#######",
                     W16)),
      props={(14, 2): {'Kind': 'ExitHatch'}})
