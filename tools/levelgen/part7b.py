# The bonus row's last levels.

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
      bonus=True, music="GrandVault.xm",
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
