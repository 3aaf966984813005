# The first part of the episode: the board's pieces met one by one.
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

level(name="LockedOut", title="Locked Out", bg="Hollowmere.jpg", tiles=(3, 2, 34),
      hint="Doors open once every key is held.",
      board=B(W16,
              "##K.####.....###",
              "##..####.###.###",
              "##P.......#K.###",
              "########.#######",
              "#####E...#######",
              W16))

level(name="Glitter", title="Glittering Hall", bg="Lanternhall.jpg", tiles=(129, 143, 160),
      hint="Take every jewel before you leave.",
      music="AncientStories2.xm",
      board=B(W16,
              "##J.....M...Y.##",
              "##.####.###.#.##",
              "##.#G.....#.#.##",
              "##.#.####.#...##",
              "##P..K.......E##",
              W16))

level(name="HeavyLifting", title="Heavy Lifting", bg="Hollowmere.jpg", tiles=(8, 9, 33),
      hint="Push boulders onto open floor.",
      board=B(W16,
              "#######.....####",
              "#######...BJ####",
              "##P..B......E###",
              "#######.....####",
              W16))

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
