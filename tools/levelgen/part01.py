# The first part of the episode: the board's pieces met one by one.

# An open row with no floor: beyond the walls the backdrop shows through.
VOID = "o" * 16


# Rock that touches no open cell, not even at a corner, is cut away: the rooms stand on the
# backdrop, outlined by one ring of wall. Open-void cells are floor to every unit, so only
# cells sealed off behind that ring are left void.
def hollow(rows):
    def inside(x, y):
        return 0 <= y < len(rows) and 0 <= x < 16 and rows[y][x] not in "#o"
    return ["".join("o" if c == "#" and not any(inside(x + dx, y + dy)
                                                for dx in (-1, 0, 1) for dy in (-1, 0, 1))
                    else c for x, c in enumerate(row)) for y, row in enumerate(rows)]


# A board whose rooms end with a wall row, open backdrop below down to the bottom wall.
def framed(*rows):
    return B(*rows, *[VOID] * (13 - len(rows)), W16)

# Three halls, one below the other, each left through a single doorway: the way to the door
# winds through them.
level(name="FirstSteps", title="First Steps", bg="Hollowmere.jpg", tiles=(8, 9, 32),
      hint="Arrow keys walk. The door is the way out.",
      board=hollow([VOID,
                    W16,
                    "#.P?...........#",
                    "###............#",
                    "#########.######",
                    "#..............#",
                    "#..............#",
                    "####.###########",
                    "#......E.......#",
                    "#..............#",
                    W16,
                    W16, W16, W16, W16]),
      props={(3, 2): {'Caption': 'WALK', 'ImageName': 'Hint_Walk.jpg'}})

level(name="LockedOut", title="Locked Out", bg="Hollowmere.jpg", tiles=(1, 2, 28),
      hint="Doors open once every key is held.",
      board=B("#K...#....#...K#",
              "#.##.#.##.#.##.#",
              "#.#..........#.#",
              "#.#.###..###.#.#",
              "#...#......#...#",
              "###.#..P...#.###",
              "#...#......#...#",
              "#.#.###..###.#.#",
              "#.#....##....#.#",
              "#.##.#.##.#.##.#",
              "#K...#....#.E..#",
              "#..?.......##..#",
              W16),
      props={(3, 12): {'Caption': 'KEYS', 'ImageName': 'Hint_Walk.jpg'}})

level(name="Glitter", title="Glittering Hall", bg="Lanternhall.jpg", tiles=(129, 143, 164),
      hint="Take every jewel before you leave.",
      music="LanternHall.xm",
      board=B("#J.....##......#",
              "#.####.##.####.#",
              "#.#..........#.#",
              "#.#.##.##.##.#.#",
              "#...#..Y...#...#",
              "##.##.####.##.##",
              "#P............E#",
              "##.##.####.##.##",
              "#...#......#...#",
              "#.#.##.##.##.#.#",
              "#.#.....K....#.#",
              "#.####.##.####.#",
              "#......##.....M#",
              W16))

level(name="HeavyLifting", title="Heavy Lifting", bg="Hollowmere.jpg", tiles=(8, 9, 33),
      hint="Push boulders onto open floor.",
      board=framed("################",
              "#######...J...##",
              "#P.....B......##",
              "#######.......##",
              "###########B####",
              "#######.......##",
              "#######...E...##",
              "#######...M...##",
              "################"))

# A cave on the left to start in, a pool hall on the right with the door. Pushed along the
# middle row before the dirt at (7, 4) is dug, the boulder stops on (6, 4) and seals the
# jewel's shaft below it: the player digs first.
level(name="LooseEarth", title="Loose Earth", bg="Mossgate.jpg", tiles=(16, 17, 29),
      hint="Walk into dirt to dig. Boulders stop at dirt.",
      board=hollow(B(W16,
                     "##..DDDD.J######",
                     "##.####D#.#....#",
                     "#...B..D..D....#",
                     "#.W.##.####.WW.#",
                     "#...##M####.WW.#",
                     "#.W.#######....#",
                     "#P..#######..E.#",
                     W16)))

# The first water: a cistern of walled pools, the start hall on the left and the door's hall
# on the right. The way across is the pier at row 7, cut by two water cells: the boulder
# waiting on the pier sinks into the first, and the hall's boulder, lined up with the pier
# and pushed over the new floor, fills the second.
level(name="SteppingStones", title="Stepping Stones", bg="Cistern.jpg", tiles=(65, 66, 96),
      music="DeepCistern.xm", tint="A08050",
      hint="Sink a boulder in water to cross.",
      board=B("#WWWWW#WWWW#...#",
              "#WWWWW#WWWW#.E.#",
              "#WWWWW#WWWW#...#",
              "#######WWWW#...#",
              "#.....#WWWW#...#",
              "#.P.B.#WWWW#...#",
              "#.......BWW....#",
              "#.....#WWWW#...#",
              "#.....#WWWW#...#",
              "#######WWWW#.J.#",
              "#WWWWW#WWWW#...#",
              "#WWWWW#WWWW#...#",
              "#WWWWW#WWWW#...#",
              W16))

# The boulder's room and the door's pool hall are split by the blue field at (8, 4). Pushed
# onto the button, the boulder holds the field open while the player walks round it.
level(name="BlueCurrent", title="Blue Current", bg="Lanternhall.jpg", tiles=(130, 131, 161),
      hint="All buttons of a colour down: its field opens.",
      board=hollow(B(W16,
                     "#.......#......#",
                     "#.......#.WWW..#",
                     "#P.B.f..F..J.W.#",
                     "#.......#.WWW..#",
                     "#.......#....E.#",
                     W16)))

# Two rows of pillars join the start room to the key's room. The jewel waits at home: fetch it
# first, for whichever row is crossed twice leaves no way back.
level(name="MossPillars", title="Moss Pillars", bg="Mossgate.jpg", tiles=(6, 7, 30),
      music="LanternHall.xm",
      hint="Each pillar can be crossed only once.",
      board=hollow(B(W16,
                     "#...#WWWW#.....#",
                     "#P..IIII.....K.#",
                     "#...#WWWW#.....#",
                     "#...#WWWW#.....#",
                     "#J..IIII.......#",
                     "#...#WWWW#..E..#",
                     W16)))

level(name="HeldDown", title="Held Down", bg="Sunkengarden.jpg", tiles=(4, 5, 28),
      music="BrightMeadow.xm",
      hint="Let a boulder hold the button.",
      board=framed("################",
              "#P.....#.......#",
              "#..B...#...M...#",
              "#......H.......#",
              "#..h...#...E...#",
              "#......#.......#",
              "################"))

level(name="MudAndWater", title="Mud and Water", bg="Mossgate.jpg", tiles=(16, 17, 29),
      music="TideCaves.xm", tint="608050",
      hint="Dig the way clear before you push.",
      board=framed("################",
              "#######oooooooo#",
              "#.....#oooooooo#",
              "#.....##########",
              "#..B..DD.W.J..E#",
              "#P....##########",
              "#.....#oooooooo#",
              "#######oooooooo#"))

# The start hall between two key rooms, a lake hall below them all. Each key room has a
# pillar door from the start hall and another down to the lake hall; a pillar rises once
# crossed, so each room is entered by one door and left by the other.
level(name="PillarRooms", title="In and Out", bg="Starlitruin.jpg", tiles=(132, 133, 164),
      music="AncientStories2.xm",
      hint="Every pillar once: plan a way in and out.",
      board=B("#K...#....#...K#",
              "#....#....#....#",
              "#....I..P.I....#",
              "#....#....#....#",
              "#.WW.#....#.WW.#",
              "#....#....#....#",
              "##I####..####I##",
              "#..............#",
              "#J.WWWW..WWWW.E#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              "#WWWWWWWWWWWWWW#",
              W16))

level(name="TwoColours", title="Red Before Blue", bg="Emberforge.jpg", tiles=(10, 11, 35),
      music="ClockworkDeep.xm",
      hint="Red opens the way to blue.",
      board=framed("#P....######ooo#",
              "#..B..#....#ooo#",
              "#.....H.B..#ooo#",
              "#..h..#...f#ooo#",
              "#######.####ooo#",
              "#ooooo#F########",
              "#ooooo#.M....E.#",
              "#ooooo##########"))

level(name="SunkenPath", title="Sunken Path", bg="Cistern.jpg", tiles=(65, 66, 96),
      music="TideCaves.xm", tint="507090",
      hint="One boulder for each channel.",
      board=framed("################",
              "#P..#.....#...K#",
              "#.B.W..B..W..E.#",
              "#K..#.J...#....#",
              "################"))

level(name="Gatehouse", title="The Gatehouse", bg="Mossgate.jpg", tiles=(6, 7, 30),
      music="LanternHall.xm",
      hint="Finish here before you cross the pillar.",
      board=framed("################",
              "#P...#..h.#....#",
              "#..B.I..B.H..E.#",
              "#..h.#..J.#....#",
              "################"))

level(name="Waterworks", title="Waterworks", bg="Cistern.jpg", tiles=(68, 69, 97),
      music="DeepCistern.xm", tint="406070",
      hint="Dig, press the button, then bridge the pool.",
      board=framed("################",
              "#P..#....#....##",
              "#.B.D..f.F..B.##",
              "#...#..J.#....##",
              "############W###",
              "#oooooooo##M..##",
              "#oooooooo##..E##",
              "################"))

level(name="BothButtons", title="Both Buttons", bg="Frostvault.jpg", tiles=(65, 67, 98),
      music="DeepCistern.xm",
      hint="Hold every blue button down.",
      board=framed("################",
              "#P..#f..#...#..#",
              "#.B.D...#.B.F.E#",
              "#...#.J....f#.M#",
              "################"))

level(name="LanternVault", title="Lantern Vault", bg="Lanternhall.jpg", tiles=(129, 131, 164),
      music="LanternHall.xm",
      hint="Button, pillar, then a stone for the pool.",
      board=framed("################",
              "#P..#..K.#..####",
              "#.B.I.B..F.W..E#",
              "#.f.#..J.#..#.K#",
              "################"))
