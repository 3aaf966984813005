#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineFixture.h"
#include "engine/board/Level.h"
#include "engine/units/HintDisplay.h"
#include "engine/units/Info.h"
#include "engine/units/Player.h"
#include "render/DibStack.h"
#include "render/Sprite.h"
#include "support/PictureTestFiles.h"

namespace qn2 {
namespace {

// A player that walks a fixed route, one letter per turn: "R", "L", "U", "D", or "." to
// stay. Each turn it notes the cell it stands on as visited.
class tRoutePlayer : public tPlayer {
  QN2_UNIT_CLASS(tRoutePlayer)
 public:
  std::string Route;
  std::size_t Step = 0;

  void Kill(std::uint8_t, const tUnitClass*) override {}
  void Reset() override {
    tUnit::Reset();
    BeenTo.fill(false);
    Step = 0;
  }
  void TakeTurn() override {
    if (InsideBoard(GridX, GridY))
      BeenTo[static_cast<std::size_t>(GridX * BoardRows + GridY)] = true;
    const char move = Step < Route.size() ? Route[Step] : '.';
    ++Step;
    const std::string letters = "URDL";
    const std::size_t index = letters.find(move);
    if (index == std::string::npos) return;
    const auto direction = static_cast<tDirection>(index);
    const tCellOffset offset = DirectionOffset(direction);
    if (CanEnter(GridX + offset.DX, GridY + offset.DY)) {
      Direction = direction;
      StartMove(direction);
    }
  }
};

// A key or jewel that counts itself into the level and is taken when the player stands
// on it.
template <bool IsJewel>
class tTakenItem : public tPlayerAwareUnit {
 public:
  bool AllowsEntry(tUnit*) override { return true; }
  void Reset() override {
    tUnit::Reset();
    if (Level != nullptr) ++(IsJewel ? Play().Counters.JewelsInLevel : Play().Counters.KeysInLevel);
  }
  void TakeTurn() override {
    if (Player() != nullptr && Player()->IsAt(GridX, GridY)) {
      ++(IsJewel ? Play().Counters.JewelsCollected : Play().Counters.KeysCollected);
      Dead = true;
    }
  }
};
class tTestJewel : public tTakenItem<true> {
  QN2_UNIT_CLASS(tTestJewel)
};
class tTestKey : public tTakenItem<false> {
  QN2_UNIT_CLASS(tTestKey)
};

struct tShownHint {
  std::string ImageName;
  tPoint Anchor;
  std::int32_t CaptionYOffset;
  std::string Caption;
};

class tRecordingHintDisplay : public tHintDisplay {
 public:
  void ShowHint(const std::string& imageName, tPoint anchor, std::int32_t captionYOffset,
                const std::string& caption) override {
    Shown.push_back({imageName, anchor, captionYOffset, caption});
  }
  std::vector<tShownHint> Shown;
};

std::vector<std::string> Block(const std::string& name, int x, int y,
                               const std::vector<std::string>& properties = {}) {
  std::vector<std::string> lines{"Begin " + name, "   InitialX = " + std::to_string(x),
                                 "   InitialY = " + std::to_string(y)};
  for (const std::string& property : properties) lines.push_back("   " + property);
  lines.push_back("End " + name);
  return lines;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> blocks) {
  std::vector<std::string> lines;
  for (const auto& block : blocks) lines.insert(lines.end(), block.begin(), block.end());
  return lines;
}

// ---- the unit on its own -----------------------------------------------------------

TEST(InfoTest, StartsHiddenAndNeverBlocks) {
  tLevel level;
  auto* info = static_cast<tInfo*>(level.AddUnit(std::make_unique<tInfo>()));
  EXPECT_EQ(info->CaptionYOffset, 45);
  EXPECT_TRUE(info->PopupOnce);
  EXPECT_EQ(info->TriggerDelay, 0);
  EXPECT_FALSE(info->Present);
  info->SetInitialX(4);
  info->SetInitialY(6);
  info->Dead = true;
  info->Triggered = true;
  info->PoppedUp = true;
  level.ResetUnits();
  level.ReindexRows();
  EXPECT_FALSE(info->Present);
  EXPECT_FALSE(info->Dead);
  EXPECT_FALSE(info->Triggered);
  EXPECT_TRUE(info->PoppedUp) << "a restart does not forget that the hint was shown";
  EXPECT_EQ(info->GridX, 4);
  EXPECT_EQ(level.UnitAt(4, 6), nullptr);
  EXPECT_TRUE(info->QueryPush(nullptr, tDirection::Left));
}

TEST(InfoTest, PublishesItsPropertiesByName) {
  tInfo info;
  std::vector<std::string> names;
  for (const tPropertyInfo& property : info.PublishedProperties().All())
    names.push_back(property.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"InitialX", "InitialY", "CaptionYOffset", "ImageName",
                                             "Trigger", "TriggerDelay", "Caption", "PopupOnce"}));

  EXPECT_EQ(GetPropertyText(info, "PopupOnce"), "True");
  EXPECT_TRUE(SetPropertyText(info, "PopupOnce", "false"));
  EXPECT_FALSE(info.PopupOnce);
  EXPECT_EQ(GetPropertyText(info, "PopupOnce"), "False");

  EXPECT_TRUE(SetPropertyText(info, "Caption", "Push the boulder, then run!"));
  EXPECT_EQ(info.Caption, "PUSH THE BOULDER, THEN RUN!");

  EXPECT_TRUE(SetPropertyText(info, "Trigger", "GemsLeft = 0 ; BeenTo(2,3)"));
  EXPECT_EQ(GetPropertyText(info, "Trigger"), "GemsLeft = 0 ; BeenTo(2,3)");
  ASSERT_EQ(info.Conditions.size(), 2u);
  EXPECT_EQ(info.Conditions[1].Test, ttBeenTo);

  EXPECT_TRUE(SetPropertyText(info, "TriggerDelay", "7"));
  EXPECT_TRUE(SetPropertyText(info, "CaptionYOffset", "60"));
  EXPECT_TRUE(SetPropertyText(info, "ImageName", "Hint_Boulders.jpg"));
  EXPECT_EQ(info.TriggerDelay, 7);
  EXPECT_EQ(info.CaptionYOffset, 60);
  EXPECT_EQ(info.ImageName, "Hint_Boulders.jpg");
}

TEST(InfoTest, ATriggerThatDoesNotParseRaisesAndLeavesNoConditions) {
  tInfo info;
  info.SetTrigger("KeysLeft=0;At(3,7)");
  ASSERT_EQ(info.Conditions.size(), 2u);
  try {
    SetPropertyText(info, "Trigger", "At(3,7);Foo");
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_EQ(error.message(), "Couldn't Interpret Trigger String\rBad start to trigger 2");
  }
  EXPECT_EQ(info.Trigger, "At(3,7);Foo") << "the text stays as written";
  EXPECT_TRUE(info.Conditions.empty());
  info.SetTrigger("");
  EXPECT_TRUE(info.Conditions.empty());
  EXPECT_EQ(info.Trigger, "");
}

TEST(InfoTest, TheSnapshotCarriesTheTriggeredState) {
  tInfo info;
  tUnit plain;
  tSnapshotStream plainStream;
  plain.SaveState(plainStream);

  info.GridX = 5;
  info.Triggered = true;
  tSnapshotStream stream;
  info.SaveState(stream);
  EXPECT_EQ(stream.Size(), plainStream.Size() + 1);
  info.GridX = 0;
  info.Triggered = false;
  info.LoadState(stream);
  EXPECT_EQ(info.GridX, 5);
  EXPECT_TRUE(info.Triggered);
}

TEST(InfoTest, IsInvisibleInPlayAndShowsItsIconInTheEditor) {
  test::tPictureFilesScope pictures;
  // The icon's cell of the picture is green, everything else red.
  pictures.Files.Add("BaseGfx.bmp", test::MakeBmp(128, 256, [](int x, int y) {
                       const bool icon = x >= 64 && x < 96 && y >= 224;
                       return icon ? tRgb{0, 200, 0} : tRgb{200, 0, 0};
                     }));
  LoadInfoGraphicsData();
  EXPECT_EQ(InfoIcon()->DrawMode, dmAdditive);

  tInfo info;
  info.SetInitialX(2);
  info.SetInitialY(3);
  info.Reset();
  info.PoppedUp = true;
  tDib16 frame(FrameWidth, FrameHeight);
  {
    tDibTarget target(&frame);
    info.DrawAtInitialPosition();
  }
  EXPECT_FALSE(info.PoppedUp) << "editing the level lets the hint be seen again";
  EXPECT_EQ(info.Sprite, InfoIcon());
  const tRgb centre = SplitPixel(frame.ScanLine(3 * 32 + 16)[PlayAreaOffset + 2 * 32 + 16]);
  EXPECT_GT(centre.G, 100);
  EXPECT_EQ(centre.R, 0);

  tDib16 play(FrameWidth, FrameHeight);
  {
    tDibTarget target(&play);
    info.Draw();
  }
  for (int y = 0; y < FrameHeight; ++y)
    for (int x = 0; x < FrameWidth; ++x) ASSERT_EQ(play.ScanLine(y)[x], 0) << x << "," << y;
}

// ---- hints during play ---------------------------------------------------------------

class InfoPlayTest : public testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    UnitRegistry.Add("Player", tRoutePlayer::Class, nullptr);
    UnitRegistry.Add("Jewel", tTestJewel::Class, nullptr);
    UnitRegistry.Add("Key", tTestKey::Class, nullptr);
    UnitRegistry.Add("Info", tInfo::Class, nullptr);
    Write("Hint1.jpg", "a picture");
    HintDisplay = &Display;
  }
  void TearDown() override {
    HintDisplay = nullptr;
    EngineTest::TearDown();
  }

  // Plays the level with the player starting on (px, py) and walking the route.
  void Play(int px, int py, const std::string& route, const std::vector<std::string>& units) {
    std::vector<std::string> lines = Block("Player", px, py);
    lines.insert(lines.end(), units.begin(), units.end());
    WriteLevel("Hints.map", "Hints", lines);
    StartPlaying("Hints.map");
    Player()->Route = route;
  }
  void Restart() {
    Engine->ResetLevel(false);
    Tick(101);
    ASSERT_EQ(Engine->GameMode, gmPlaying);
  }

  tRoutePlayer* Player() const { return static_cast<tRoutePlayer*>(Engine->Level.Player); }
  tInfo* Info(std::size_t which = 0) const {
    for (const auto& unit : Engine->Level.Units)
      if (&unit->ClassType() == &tInfo::Class && which-- == 0)
        return static_cast<tInfo*>(unit.get());
    return nullptr;
  }
  // Plays up to and through the next turn boundary.
  void PlayTurn(int count = 1) {
    for (int i = 0; i < count; ++i) {
      do Tick();
      while (State().Clock.TurnPhase != 0);
    }
  }
  // The number of the turn in which the first hint shows, or 0 within the limit.
  int TurnOfFirstHint(int limit) {
    for (int turn = 1; turn <= limit; ++turn) {
      PlayTurn();
      if (!Display.Shown.empty()) return turn;
    }
    return 0;
  }

  tRecordingHintDisplay Display;
};

TEST_F(InfoPlayTest, WithoutATriggerTheHintShowsTheTurnAfterThePlayerArrives) {
  Play(2, 5, "R",
       Block("Info", 3, 5, {"ImageName = Hint1.jpg", "Caption = look", "CaptionYOffset = 60"}));
  PlayTurn();  // the player sets off
  EXPECT_TRUE(Display.Shown.empty());
  EXPECT_FALSE(Info()->Dead);
  PlayTurn();  // and stands on the marker
  ASSERT_EQ(Display.Shown.size(), 1u);
  const tShownHint& hint = Display.Shown[0];
  EXPECT_EQ(hint.ImageName, "Hint1.jpg");
  EXPECT_EQ(hint.Anchor, (tPoint{128 + 3 * 32 + 16, 5 * 32 + 16}));
  EXPECT_EQ(hint.CaptionYOffset, 60);
  EXPECT_EQ(hint.Caption, "LOOK");
  EXPECT_TRUE(Info()->Dead);
  EXPECT_TRUE(Info()->PoppedUp);
  PlayTurn(3);
  EXPECT_EQ(Display.Shown.size(), 1u) << "a fired marker stays quiet";
}

TEST_F(InfoPlayTest, TheDelayCountsTurnsFromArrival) {
  Play(2, 5, "R", Block("Info", 3, 5, {"ImageName = Hint1.jpg", "TriggerDelay = 2"}));
  EXPECT_EQ(TurnOfFirstHint(10), 4);  // arrives in turn 2, two turns later
}

TEST_F(InfoPlayTest, AConditionThatGoesOnHoldingFiresAfterItsDelay) {
  // No keys in the level: none are left from the first turn on.
  Play(0, 0, "",
       Block("Info", 9, 9, {"ImageName = Hint1.jpg", "Trigger = KeysLeft=0", "TriggerDelay = 3"}));
  EXPECT_EQ(TurnOfFirstHint(10), 4);
}

TEST_F(InfoPlayTest, ANegativeDelayCountsAsNone) {
  Play(0, 0, "", Block("Info", 0, 0, {"ImageName = Hint1.jpg", "TriggerDelay = -3"}));
  EXPECT_EQ(TurnOfFirstHint(5), 1);
}

TEST_F(InfoPlayTest, GemsLeftZeroFiresInTheTurnTheLastJewelIsTaken) {
  Play(3, 5, "RR",
       Join({Block("Jewel", 4, 5), Block("Jewel", 5, 5),
             Block("Info", 10, 10, {"ImageName = Hint1.jpg", "Trigger = GemsLeft = 0"})}));
  EXPECT_EQ(TurnOfFirstHint(10), 3);
  EXPECT_EQ(State().Counters.JewelsCollected, 2);
}

TEST_F(InfoPlayTest, KeysAndPlacesTogether) {
  Play(3, 5, "RL",
       Join({Block("Key", 4, 5),
             Block("Info", 10, 10, {"ImageName = Hint1.jpg", "Trigger = KeysLeft=0;At(3,5)"})}));
  // The player stands on (3, 5) in turn 1, but the key is taken only in turn 2.
  EXPECT_EQ(TurnOfFirstHint(10), 3);
}

TEST_F(InfoPlayTest, BeenToRemembersCellsThePlayerHasLeft) {
  Play(2, 5, "RL",
       Block("Info", 10, 10, {"ImageName = Hint1.jpg", "Trigger = BeenTo(3,5);At(2,5)"}));
  EXPECT_EQ(TurnOfFirstHint(10), 3);
  ASSERT_EQ(Display.Shown.size(), 1u);
  EXPECT_EQ(Display.Shown[0].Anchor, (tPoint{128 + 10 * 32 + 16, 10 * 32 + 16}))
      << "the window grows out of the marker, wherever the player is";
}

TEST_F(InfoPlayTest, APopupOnceHintShowsOncePerLoadedLevel) {
  Play(0, 0, "",
       Join({Block("Info", 0, 0, {"ImageName = Hint1.jpg"}),
             Block("Info", 0, 0, {"ImageName = Hint1.jpg", "PopupOnce = False"})}));
  PlayTurn();
  EXPECT_EQ(Display.Shown.size(), 2u);
  Restart();
  PlayTurn(3);
  EXPECT_EQ(Display.Shown.size(), 3u) << "only the hint without PopupOnce comes back";
  EXPECT_FALSE(Info(0)->Dead);
  EXPECT_TRUE(Info(1)->Dead);

  // A fresh load of the level brings fresh markers.
  StartPlaying("Hints.map");
  PlayTurn();
  EXPECT_EQ(Display.Shown.size(), 5u);
}

TEST_F(InfoPlayTest, AMissingPictureFiresSilentlyAndComesBackAfterARestart) {
  Play(0, 0, "", Block("Info", 0, 0, {"ImageName = Nowhere.jpg"}));
  PlayTurn();
  EXPECT_TRUE(Info()->Dead);
  EXPECT_FALSE(Info()->PoppedUp);
  Restart();
  EXPECT_FALSE(Info()->Dead);
  PlayTurn();
  EXPECT_TRUE(Info()->Dead);
  EXPECT_TRUE(Display.Shown.empty());
}

TEST_F(InfoPlayTest, NoHintsWhileASolutionIsRecordedOrPlayedBack) {
  Play(0, 0, "", Block("Info", 0, 0, {"ImageName = Hint1.jpg"}));
  State().Recorder.StartRecording();
  PlayTurn(3);
  EXPECT_TRUE(Display.Shown.empty());
  EXPECT_FALSE(Info()->Triggered);
  EXPECT_FALSE(Info()->Dead);

  State().Recorder.StartPlayback();
  PlayTurn(3);
  EXPECT_TRUE(Display.Shown.empty());
  EXPECT_FALSE(Info()->Dead);

  State().Recorder.Stop();
  ASSERT_EQ(State().Recorder.State(), rsStopped);
  PlayTurn();
  EXPECT_EQ(Display.Shown.size(), 1u) << "a stopped recorder no longer holds hints back";
}

TEST_F(InfoPlayTest, AMarkerWhoseTriggerFailedFiresOnItsOwnCell) {
  Play(2, 5, "R", Block("Info", 3, 5, {"ImageName = Hint1.jpg"}));
  EXPECT_THROW(Info()->SetTrigger("KeysLeft=>2"), Exception);
  EXPECT_EQ(TurnOfFirstHint(10), 2);
}

TEST_F(InfoPlayTest, WithoutAHintWindowTheHintStillCountsAsShown) {
  HintDisplay = nullptr;
  Play(0, 0, "", Block("Info", 0, 0, {"ImageName = Hint1.jpg"}));
  PlayTurn();
  EXPECT_TRUE(Info()->Dead);
  EXPECT_TRUE(Info()->PoppedUp);
  Restart();
  PlayTurn(2);
  EXPECT_FALSE(Info()->Dead) << "shown once, so it stays away after the restart";
}

}  // namespace
}  // namespace qn2
