#pragma once

// An engine in the shipped content folder playing the shipped levels headless, with blank
// pictures (play needs no artwork), for tests that drive whole plays.
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

namespace qn2::testing {

// What a player would see of the play, unit by unit: enough to tell where two plays part.
inline std::string Describe(const tGameEngine& engine) {
  std::ostringstream out;
  const tPlayState& play = engine.Play();
  out << "mode " << ModeNumber(engine.GameMode) << " turn " << play.TurnCount << " keys "
      << play.Counters.KeysCollected << " jewels " << play.Counters.JewelsCollected << " carried "
      << play.Carried.Size() << " logged " << play.RunLog.Count() << "\n";
  for (const auto& unit : engine.Level.Units)
    out << unit->ClassType().ClassName << " #" << unit->SerialNumber << " at " << unit->X << ","
        << unit->Y << " grid " << unit->GridX << "," << unit->GridY << " dead " << unit->Dead
        << " present " << unit->Present << " carried " << unit->Carried << " facing "
        << static_cast<int>(unit->Direction) << " layer " << static_cast<int>(unit->Layer) << "\n";
  return out.str();
}

inline std::vector<std::uint8_t> SnapshotBytes(tGameEngine& engine) {
  tSnapshotStream stream;
  engine.SaveState(stream);
  return stream.Data();
}

// Where two snapshots first differ, as "offset N of SIZE"; empty when they are equal.
inline std::string FirstDifference(const std::vector<std::uint8_t>& a,
                                   const std::vector<std::uint8_t>& b) {
  if (a == b) return "";
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  return "offset " + std::to_string(at) + " of " + std::to_string(a.size()) + "/" +
         std::to_string(b.size());
}

inline std::vector<std::int32_t> Decisions(const std::string& moves) {
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

class ContentEngineTest : public ::testing::Test {
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

  tBlankPictures Pictures{PackagePictures};
  std::unique_ptr<tGameEngine> Engine;
  std::unique_ptr<tOOTPlayer> Ghost;
  std::filesystem::path Previous;
};

}  // namespace qn2::testing
