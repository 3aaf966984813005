// Snapshots of the play, taken and put back while the shipped levels are played: the play
// that follows a restored snapshot is the play that followed the snapshot the first time.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "data/MemoryStream.h"
#include "data/PackageFiles.h"
#include "data/Recorder.h"
#include "engine/BlankPictures.h"
#include "engine/GameEngine.h"
#include "engine/PackagePictures.h"
#include "engine/board/CycleProcedures.h"
#include "engine/board/UnitRegistry.h"
#include "engine/units/OOTPlayer.h"
#include "engine/units/UnitClasses.h"

namespace qn2 {
namespace {

// What a player would see of the play, unit by unit: enough to tell where two plays part.
std::string Describe(const tGameEngine& engine) {
  std::ostringstream out;
  const tPlayState& play = engine.Play();
  out << "mode " << ModeNumber(engine.GameMode) << " turn " << play.TurnCount << " keys "
      << play.Counters.KeysCollected << " jewels " << play.Counters.JewelsCollected << " carried "
      << play.Carried.Size() << "\n";
  for (const auto& unit : engine.Level.Units)
    out << unit->ClassType().ClassName << " #" << unit->SerialNumber << " at " << unit->X << ","
        << unit->Y << " grid " << unit->GridX << "," << unit->GridY << " dead " << unit->Dead
        << " present " << unit->Present << " carried " << unit->Carried << " facing "
        << static_cast<int>(unit->Direction) << " layer " << static_cast<int>(unit->Layer) << "\n";
  return out.str();
}

std::vector<std::uint8_t> SnapshotBytes(tGameEngine& engine) {
  tSnapshotStream stream;
  engine.SaveState(stream);
  return stream.Data();
}

// Where two snapshots first differ, as "offset N of SIZE"; empty when they are equal.
std::string FirstDifference(const std::vector<std::uint8_t>& a,
                            const std::vector<std::uint8_t>& b) {
  if (a == b) return "";
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  return "offset " + std::to_string(at) + " of " + std::to_string(a.size()) + "/" +
         std::to_string(b.size());
}

class SnapshotRoundTripTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* folder : GameDataFolders) AddSearchFolder(folder);
  }

  void SetUp() override {
    Previous = std::filesystem::current_path();
    std::filesystem::current_path(QN2_CONTENT_DIR);
    PictureFiles = &Pictures;
    CycleProcedures.Clear();
    SetUpUnits();
    Engine = std::make_unique<tGameEngine>();
    GameEngine = Engine.get();
    Ghost = CreateOOTPlayer();
    Engine->SetOOTPlayer(Ghost.get());
  }

  void TearDown() override {
    GameEngine = nullptr;
    Engine.reset();
    Ghost.reset();
    UnitRegistry.Clear();
    CycleProcedures.Clear();
    PictureFiles = &PackagePictures;
    std::filesystem::current_path(Previous);
  }

  // Loads the level and has the recorder play the decisions back, as a stored solution
  // plays.
  void Start(const std::string& level, const std::vector<std::int32_t>& decisions) {
    Engine->LoadLevel(level);
    tMemoryStream stream;
    stream.WriteBuffer(RecordSignature, RecordSignatureSize);
    const auto count = static_cast<std::int32_t>(decisions.size());
    stream.WriteBuffer(&count, 4);
    for (std::int32_t value : decisions) stream.WriteBuffer(&value, 4);
    stream.SetPosition(0);
    Engine->Play().Recorder.LoadFromStream(stream);
    Engine->Play().Recorder.StartPlayback();
    while (Engine->GameMode != gmPlaying) Tick();
  }

  void StartWithSolution(const std::string& level) {
    Engine->LoadLevel(level);
    Engine->Play().Recorder.LoadFromFile(StoredSolutionName(level));
    Engine->Play().Recorder.StartPlayback();
    while (Engine->GameMode != gmPlaying) Tick();
  }

  void Tick() {
    Engine->Update();
    Engine->DrawFrame();
  }

  bool Over() const {
    return Engine->GameMode == gmLevelDone || Engine->GameMode == gmDeathPopup ||
           (Engine->GameMode == gmDead && Engine->DeadTickCount() > 60);
  }

  // Plays to the next turn boundary (or to the end of the play); false at the end.
  bool PlayTurn() {
    const std::int32_t turn = Engine->Play().TurnCount;
    for (int tick = 0; tick < 100; ++tick) {
      if (Over()) return false;
      Tick();
      if (Engine->Play().TurnCount != turn) return true;
    }
    return !Over();
  }

  // At every turn: snapshot, play a turn, put the snapshot back, play the turn again; both
  // plays of the turn must end in the same state. Returns the turns played.
  int PlayWithRoundTripEveryTurn() {
    int turns = 0;
    while (!Over() && turns < 2000) {
      tSnapshotStream snapshot;
      Engine->SaveState(snapshot);
      const std::string before = Describe(*Engine);
      PlayTurn();
      const std::string first = Describe(*Engine);
      const std::vector<std::uint8_t> firstBytes = SnapshotBytes(*Engine);

      snapshot.Rewind();
      Engine->LoadState(snapshot);
      EXPECT_EQ(Describe(*Engine), before) << "turn " << turns << ": the snapshot put back";
      PlayTurn();
      EXPECT_EQ(Describe(*Engine), first) << "turn " << turns << ": the turn played again";
      EXPECT_EQ(FirstDifference(SnapshotBytes(*Engine), firstBytes), "") << "turn " << turns;
      if (::testing::Test::HasFailure()) return turns;
      ++turns;
    }
    return turns;
  }

  // The same at every single tick, through a death animation.
  void PlayWithRoundTripEveryTick(int ticks) {
    for (int tick = 0; tick < ticks && !Over(); ++tick) {
      tSnapshotStream snapshot;
      Engine->SaveState(snapshot);
      Tick();
      const std::string first = Describe(*Engine);
      const std::vector<std::uint8_t> firstBytes = SnapshotBytes(*Engine);
      snapshot.Rewind();
      Engine->LoadState(snapshot);
      Tick();
      ASSERT_EQ(Describe(*Engine), first) << "tick " << tick;
      ASSERT_EQ(FirstDifference(SnapshotBytes(*Engine), firstBytes), "") << "tick " << tick;
    }
  }

  tBlankPictures Pictures{PackagePictures};
  std::unique_ptr<tGameEngine> Engine;
  std::unique_ptr<tOOTPlayer> Ghost;
  std::filesystem::path Previous;
};

std::vector<std::string> ShippedLevelsWithSolutions() {
  std::vector<std::string> levels;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(QN2_CONTENT_DIR) / "Solutions"))
    if (entry.path().extension() == ".Solution")
      levels.push_back(entry.path().stem().string() + ".map");
  std::sort(levels.begin(), levels.end());
  return levels;
}

// Every shipped level, played by its stored solution with a round trip at every turn,
// still ends solved with every jewel.
TEST_F(SnapshotRoundTripTest, EveryShippedSolutionPlaysTheSameAfterARestoreAtEveryTurn) {
  const std::vector<std::string> levels = ShippedLevelsWithSolutions();
  ASSERT_GE(levels.size(), 14u);
  for (const std::string& level : levels) {
    SCOPED_TRACE(level);
    StartWithSolution(level);
    const int turns = PlayWithRoundTripEveryTurn();
    ASSERT_FALSE(HasFailure());
    EXPECT_GT(turns, 5);
    EXPECT_EQ(Engine->GameMode, gmLevelDone);
    EXPECT_EQ(Engine->Play().Counters.JewelsCollected, Engine->Play().Counters.JewelsInLevel);
  }
}

std::vector<std::int32_t> Decisions(const std::string& moves) {
  std::vector<std::int32_t> values;
  for (char c : moves) {
    switch (c) {
      case 'U':
        values.push_back(EncodeDecision(2, false));
        break;
      case 'D':
        values.push_back(EncodeDecision(3, false));
        break;
      case 'L':
        values.push_back(EncodeDecision(4, false));
        break;
      case 'R':
        values.push_back(EncodeDecision(5, false));
        break;
      case 'r':
        values.push_back(EncodeDecision(5, true));
        break;
      default:
        values.push_back(0);
    }
  }
  return values;
}

// Each hostile kills the player here; the round trip runs at every tick, through the
// strike, the shot or blast in flight and the death animation.
TEST_F(SnapshotRoundTripTest, EachHostileKillsTheSameWayAfterARestoreAtEveryTick) {
  struct tDeath {
    const char* Level;
    const char* Moves;
    const char* Killer;
  };
  for (const tDeath& death : {
           tDeath{"Hiss.map", "RDDD...........", "tSnake"},
           tDeath{"Seeker.map", "URRRDRLUDRRRDLUURRRRRRUUUUULLLL...........", "tSeekerDroid"},
           tDeath{"EightLegs.map", "RRRRRRDRRRRDDD...........", "tSpider"},
           tDeath{"ShortFuse.map", "RRRRRRRRRRRLLLLLLLLLLDDr......................", "tCherryBomb"},
       }) {
    SCOPED_TRACE(death.Level);
    Start(death.Level, Decisions(death.Moves));
    PlayWithRoundTripEveryTick(4000);
    ASSERT_FALSE(HasFailure());
    ASSERT_NE(Engine->LastDeath.Killer, nullptr);
    EXPECT_STREQ(Engine->LastDeath.Killer->ClassName, death.Killer);
  }
}

// A snapshot can be put back many turns later, after units were made and freed, and more
// than once: the play from there is the same each time.
TEST_F(SnapshotRoundTripTest, AnOldSnapshotPutBackTwicePlaysTheSameRestOfTheLevel) {
  StartWithSolution("EightLegs.map");
  for (int turn = 0; turn < 10; ++turn) ASSERT_TRUE(PlayTurn());
  tSnapshotStream snapshot;
  Engine->SaveState(snapshot);
  const std::string start = Describe(*Engine);

  std::vector<std::string> ends;
  for (int run = 0; run < 2; ++run) {
    snapshot.Rewind();
    Engine->LoadState(snapshot);
    EXPECT_EQ(Describe(*Engine), start);
    while (PlayTurn()) {
    }
    ends.push_back(Describe(*Engine));
  }
  EXPECT_EQ(Engine->GameMode, gmLevelDone);
  EXPECT_EQ(ends[0], ends[1]);
}

}  // namespace
}  // namespace qn2
