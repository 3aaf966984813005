#include "EngineFixture.h"
#include "render/DibStack.h"

namespace qn2 {
namespace {

// A stand-in for the player: walks where the engine's current input points.
class tWalker : public tUnit {
  QN2_UNIT_CLASS(tWalker)
 public:
  bool Holds = false;
  bool HoldsPlayerTurn() override { return Holds; }
  void TakeTurn() override {
    const tInputDevice& input = *GameEngine->CurrentInput;
    for (auto [action, dir] :
         {std::pair{iaUp, tDirection::Up}, std::pair{iaDown, tDirection::Down},
          std::pair{iaLeft, tDirection::Left}, std::pair{iaRight, tDirection::Right}}) {
      if (input.IsActive(action)) {
        const tCellOffset o = DirectionOffset(dir);
        if (CanEnter(GridX + o.DX, GridY + o.DY)) {
          Direction = dir;
          StartMove(dir);
        }
        return;
      }
    }
  }
};

class EngineTickTest : public testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    UnitRegistry.Add("Player", tWalker::Class, nullptr);
    WriteLevel("One.map", "First Steps",
               {"Begin Player", "InitialX = 3", "InitialY = 4", "End Player"});
  }
  tWalker* Player() const { return static_cast<tWalker*>(Engine->Level.Player); }
  // Plays frames until the next turn boundary has been handled.
  void TickToTurnBoundary() {
    do Tick();
    while (State().Clock.TurnPhase != 0);
  }
};

TEST_F(EngineTickTest, ALoadedLevelPlaysItsIntroThenTakesTurns) {
  Engine->LoadLevel("One.map");
  EXPECT_EQ(Engine->GameMode, gmIntro);
  EXPECT_EQ(Engine->LevelFileName, "One.map");
  Tick(100);
  EXPECT_EQ(Engine->GameMode, gmIntro);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  EXPECT_EQ(Engine->Play().FrameCount, 0);

  Engine->LiveInput.KeyDown(vk::Right);
  TickToTurnBoundary();
  EXPECT_EQ(Engine->Play().FrameCount, 12);
  EXPECT_EQ(Engine->Play().TurnCount, 1);
  EXPECT_EQ(Player()->TargetX, 4);
  Engine->LiveInput.KeyUp(vk::Right);
  TickToTurnBoundary();
  EXPECT_EQ(Player()->GridX, 4);
  EXPECT_EQ(Engine->Play().TurnCount, 2);
}

TEST_F(EngineTickTest, TheSpeedKeysChangeTheTurnLengthWithinLimits) {
  StartPlaying("One.map");
  for (int press = 1; press <= 7; ++press) {
    Engine->LiveInput.KeyDown(vk::NumPadMinus);
    Engine->LiveInput.KeyUp(vk::NumPadMinus);
    TickToTurnBoundary();
    EXPECT_EQ(State().Clock.FramesPerTurn, std::min(12 + press, 18)) << press;
  }
  EXPECT_EQ(Engine->MessageText, "Game Speed -6");
  for (int press = 1; press <= 13; ++press) {
    Engine->LiveInput.KeyDown(vk::NumPadPlus);
    Engine->LiveInput.KeyUp(vk::NumPadPlus);
    TickToTurnBoundary();
    if (press == 7) {
      EXPECT_EQ(Engine->MessageText, "Game Speed +1");
    }
  }
  EXPECT_EQ(State().Clock.FramesPerTurn, 6);
  EXPECT_EQ(Engine->MessageText, "Game Speed +6");
  Tick(6);
  EXPECT_EQ(Engine->MessageTicks, 80 - 6) << "the message counts down every tick";
}

TEST_F(EngineTickTest, ASpeedChangeKeepsTheWholeTurnsPlayed) {
  StartPlaying("One.map");
  Tick(59);
  Engine->LiveInput.KeyDown(vk::NumPadPlus);
  Tick();  // frame 60: the sixth turn boundary, 5 whole turns behind
  EXPECT_EQ(State().Clock.FramesPerTurn, 11);
  EXPECT_EQ(Engine->Play().FrameCount, 55);
  const std::int32_t turns = Engine->Play().TurnCount;
  Tick(11);
  EXPECT_EQ(Engine->Play().TurnCount, turns + 1);
}

TEST_F(EngineTickTest, TheModeStackHoldsElevenModes) {
  for (int i = 0; i < 11; ++i) Engine->PushGameMode();
  try {
    Engine->PushGameMode();
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "GameMode Stack overflow");
  }
  for (int i = 0; i < 11; ++i) Engine->PopGameMode();
  try {
    Engine->PopGameMode();
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "GameMode Stack underflow");
  }
}

TEST_F(EngineTickTest, EscapeOpensTheMenuOverTheGameAndClosesItAgain) {
  Engine->GameInProgress = true;
  StartPlaying("One.map");
  Engine->LiveInput.KeyDown(vk::Escape);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  EXPECT_EQ(Engine->ModeStackDepth(), 1);
  EXPECT_EQ(Engine->MenuItem, 0);
  ASSERT_NE(Engine->MenuBackdrop, nullptr);
  EXPECT_FALSE(Engine->FrameSurface().MaskActive);
  Engine->LiveInput.KeyUp(vk::Escape);
  Engine->LiveInput.KeyDown(vk::Escape);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  EXPECT_EQ(Engine->ModeStackDepth(), 0);
  EXPECT_EQ(Engine->MenuBackdrop, nullptr);
  EXPECT_TRUE(Engine->FrameSurface().MaskActive);
}

TEST_F(EngineTickTest, OnlyClicksAreConsumedEachTickOfPlay) {
  StartPlaying("One.map");
  Engine->LiveInput.KeyDown(vk::LButton);
  Engine->LiveInput.KeyDown(vk::Space);
  Tick();
  EXPECT_FALSE(Engine->LiveInput.WasPressed(iaClick));
  EXPECT_TRUE(Engine->LiveInput.WasPressed(iaAction)) << "kept for the next turn";
  Engine->SetGameMode(gmAllSolved);
  Engine->LiveInput.KeyDown(vk::Up);
  Tick();
  EXPECT_FALSE(Engine->LiveInput.WasPressed(iaUp)) << "outside play every action is consumed";
  EXPECT_EQ(Engine->FadeTarget, gmMainMenu) << "any key leaves the all-solved screen";
}

TEST_F(EngineTickTest, TheSkipChordFinishesTheLevel) {
  StartPlaying("One.map");
  Engine->LiveInput.KeyDown(vk::Insert);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  Engine->LiveInput.KeyDown(vk::Home);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmLevelDone);
  Tick();
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmAllSolved) << "an empty episode counts as all solved";
}

TEST_F(EngineTickTest, TheFadeOutLastsSeventeenDrawnFrames) {
  StartPlaying("One.map");
  Engine->FadeToGameMode(gmNextUnsolved);
  EXPECT_FALSE(Engine->PointerEnabled);
  for (int frame = 1; frame <= 16; ++frame) {
    Engine->DrawFrame();
    ASSERT_EQ(Engine->GameMode, gmFadeOut) << frame;
  }
  Engine->DrawFrame();
  EXPECT_EQ(Engine->GameMode, gmNextUnsolved);
  EXPECT_FALSE(Engine->HoldsFadePicture());
  EXPECT_TRUE(Engine->PointerEnabled);
}

TEST_F(EngineTickTest, TheIntroRevealsTheFirstPictureRowByRow) {
  struct tPainter : tFrameHooks {
    void DrawGamePicture(tGameEngine&) override { CurrentDib->FillSurface(0x1234); }
  } painter;
  Engine->Frames = &painter;
  Engine->LoadLevel("One.map");
  tDib16& frame = Engine->FrameSurface();
  TickAndDraw();
  auto revealed = [&frame](int row) {
    int n = 0;
    for (int x = 0; x < 640; ++x) n += frame.ScanLine(row)[x] == 0x1234;
    return n;
  };
  EXPECT_EQ(revealed(478), 20);
  EXPECT_EQ(frame.ScanLine(478)[19], 0x1234) << "even rows slide in from the left";
  EXPECT_EQ(revealed(474), 0);
  EXPECT_EQ(revealed(1), 20);
  EXPECT_EQ(frame.ScanLine(1)[639], 0x1234) << "odd rows slide in from the right";
  EXPECT_EQ(revealed(240), 0);
  TickAndDraw(83);  // t = 84
  EXPECT_LT(revealed(0), 640);
  TickAndDraw(2);  // t = 86
  for (int row = 0; row < 480; ++row) ASSERT_EQ(revealed(row), 640) << row;
}

TEST_F(EngineTickTest, TheMouseIsScaledToTheFrame) {
  tFixedPointer pointer;
  pointer.Client = {800, 600};
  pointer.Cursor = {400, 300};
  Engine->Pointer = &pointer;
  Tick();
  EXPECT_EQ(Engine->MouseX, 320);
  EXPECT_EQ(Engine->MouseY, 240);
  EXPECT_TRUE(Engine->MouseMoved);
  Tick();
  EXPECT_FALSE(Engine->MouseMoved);
}

TEST_F(EngineTickTest, AFinishedWarpActsOnItsAction) {
  StartPlaying("One.map");
  Engine->GameInProgress = true;
  Engine->WarpAction = WarpToLevelPick;
  Engine->WarpFinished = true;
  Tick();
  EXPECT_FALSE(Engine->GameInProgress);
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmPickLevel);

  StartPlaying("One.map");
  Engine->WarpAction = WarpRestart;
  Engine->WarpFinished = true;
  Player()->X = 9;
  Tick();
  EXPECT_EQ(Player()->X, 3.0f) << "the level restarted";
  EXPECT_EQ(Engine->FadeTarget, gmIntro);
  EXPECT_FALSE(Engine->RestartRequested);
}

// The ghost of the early step: walks like the player.
class tGhost : public tWalker {
 public:
  tGhost() { ReservesCell = false; }
};

class OutOfTurnTest : public EngineTickTest {
 protected:
  void SetUp() override {
    EngineTickTest::SetUp();
    Engine->SetOOTPlayer(&Ghost);
    StartPlaying("One.map");
  }
  // Presses Right once the given share of the turn has passed.
  void PressRightAt(int phase) {
    while (State().Clock.TurnPhase != phase) Tick();
    Engine->LiveInput.KeyDown(vk::Right);
    Tick();
  }
  tGhost Ghost;
};

TEST_F(OutOfTurnTest, ADirectionLateInATurnStartsTheNextStepEarly) {
  PressRightAt(4);  // 5 / 12 of the turn have passed
  EXPECT_TRUE(Engine->Play().Clock.OOTStepActive);
  EXPECT_EQ(State().Clock.OOTToX, 4);
  EXPECT_EQ(State().Clock.OOTLength, 2 * 12 - 5);
  EXPECT_EQ(Engine->CurrentInput, &Engine->OlderInput);
  Tick(State().Clock.OOTLength);
  EXPECT_FALSE(Engine->Play().Clock.OOTStepActive);
  EXPECT_EQ(Engine->CurrentInput, &Engine->LiveInput);
}

TEST_F(OutOfTurnTest, NoEarlyStepBeforeThirtyPercentOrWhileAUnitHoldsTheTurn) {
  PressRightAt(2);  // 3 / 12 = 25%
  EXPECT_FALSE(Engine->Play().Clock.OOTStepActive);
  Engine->LiveInput.KeyUp(vk::Right);
  TickToTurnBoundary();
  TickToTurnBoundary();
  Player()->Holds = true;
  PressRightAt(6);
  EXPECT_FALSE(Engine->Play().Clock.OOTStepActive);
}

TEST_F(OutOfTurnTest, NoEarlyStepWhileASolutionIsRecordedOrPlayed) {
  State().Recorder.StartRecording();
  PressRightAt(6);
  EXPECT_FALSE(Engine->Play().Clock.OOTStepActive);
}

TEST_F(EngineTickTest, TypingTheRecordingCodeRestartsTheLevelRecording) {
  StartPlaying("One.map");
  for (char c : std::string("TarnwickHolm")) Engine->LiveInput.CharTyped(c);
  EXPECT_EQ(State().Recorder.State(), rsRecording);
  EXPECT_TRUE(Engine->RestartRequested);
  Tick();
  EXPECT_FALSE(Engine->RestartRequested);
  EXPECT_EQ(Engine->GameMode, gmFadeOut);
  EXPECT_EQ(Engine->FadeTarget, gmIntro);
}

TEST_F(EngineTickTest, TheTypedCodesDoNothingOutsidePlay) {
  Engine->LoadLevel("One.map");
  for (char c : std::string("tarnwickholm")) Engine->LiveInput.CharTyped(c);
  EXPECT_EQ(State().Recorder.State(), rsIdle);
  EXPECT_FALSE(Engine->RestartRequested);
}

TEST_F(EngineTickTest, ABrokenLevelFileReachesTheCaller) {
  Write("Broken.map", "[Tiles]\r\n000\r\n");
  EXPECT_THROW(Engine->LoadLevel("Broken.map"), Exception);
  EXPECT_THROW(Engine->LoadLevel("Missing.map"), Exception);
}

}  // namespace
}  // namespace qn2
