# The first part of the episode: the board's pieces met one by one.

# An open row with no floor: beyond the walls the backdrop shows through.
VOID = "o" * 16


# A board whose rooms end with a wall row, open backdrop below down to the bottom wall.
def framed(*rows):
    return B(*rows, *[VOID] * (13 - len(rows)), W16)

level(name="FirstSteps", title="First Steps", bg="Hollowmere.jpg", tiles=(1, 2, 32),
      hint="Arrow keys walk. The door is the way out.",
      board=B(W16,
              "##P?....########",
              "#######.########",
              "#######.########",
              "###.....########",
              "###.############",
              "###.......E#####",
              W16),
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

level(name="LooseEarth", title="Loose Earth", bg="Mossgate.jpg", tiles=(16, 17, 29),
      hint="Walk into dirt to dig. Boulders stop at dirt.",
      board=B(W16,
              "##..DDDD.J######",
              "##.####D#.######",
              "##P.B..D..D.E###",
              "######.#########",
              "######M#########",
              W16))

level(name="SteppingStones", title="Stepping Stones", bg="Cistern.jpg", tiles=(65, 66, 96),
      music="DeepCistern.xm", tint="A08050",
      hint="Sink a boulder in water to cross.",
      board=B(W16,
              "###.....########",
              "###P.B.WW..J####",
              "###..B.##..#####",
              "###....##..E####",
              W16))

level(name="BlueCurrent", title="Blue Current", bg="Lanternhall.jpg", tiles=(130, 131, 161),
      hint="All buttons of a colour down: its field opens.",
      board=B(W16,
              "##.......#######",
              "##P.B.f..F..E###",
              "##.......#.J####",
              W16))

level(name="MossPillars", title="Moss Pillars", bg="Mossgate.jpg", tiles=(6, 7, 30),
      music="LanternHall.xm",
      hint="Each pillar can be crossed only once.",
      board=B(W16,
              "##P..IIII...K.##",
              "##.######.###.##",
              "##J..IIII.....##",
              "#############E##",
              W16))

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

level(name="PillarRooms", title="In and Out", bg="Starlitruin.jpg", tiles=(132, 133, 164),
      music="AncientStories2.xm",
      hint="Every pillar once: plan a way in and out.",
      board=B("#K..#.....#..K.#",
              "#...I..P..I....#",
              "#...#.....#....#",
              "##I###...###I###",
              "#.....#.#......#",
              "#.J........#.E.#",
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
