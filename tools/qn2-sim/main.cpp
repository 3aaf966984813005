// qn2-sim: plays one level through the game's engine, tick by tick, with no window and
// no sound, and prints how it ended. For level designers, the tests and CI.
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "SimOptions.h"
#include "common/Exception.h"
#include "data/LevelFile.h"
#include "data/MemoryStream.h"
#include "data/PackageFiles.h"
#include "data/Recorder.h"
#include "data/SetFile.h"
#include "data/TextLines.h"
#include "engine/BlankPictures.h"
#include "engine/FrameComposer.h"
#include "engine/GameEngine.h"
#include "engine/PackagePictures.h"
#include "engine/SolveReport.h"
#include "engine/board/PlayState.h"
#include "engine/units/OOTPlayer.h"
#include "engine/units/Player.h"
#include "engine/units/UnitClasses.h"
#include "render/PngWriter.h"
#include "render/SidePanel.h"

namespace qn2::sim {
namespace {

constexpr const char* DefaultPackage = "Quibnar2.VexPak";

enum class tOutcome { Solved, Dead, Timeout };

void MountGameFiles(const tSimOptions& options) {
  if (!options.Package.empty())
    MountPackage(options.Package);
  else if (std::filesystem::exists(DefaultPackage))
    MountPackage(DefaultPackage);
  for (const char* folder : GameDataFolders) AddSearchFolder(folder);
}

// The decisions reach the player exactly as a stored solution's do: through the recorder
// playing back, so the early step of the live game is off.
void PlayDecisions(tRecorder& recorder, const tSimOptions& options) {
  if (options.SolutionFile) {
    recorder.LoadFromFile(*options.SolutionFile);
  } else if (options.Moves) {
    const std::vector<int> decisions = DecisionsFromMoves(*options.Moves);
    tMemoryStream stream;
    stream.WriteBuffer(RecordSignature, RecordSignatureSize);
    const auto count = static_cast<std::int32_t>(decisions.size());
    stream.WriteBuffer(&count, 4);
    for (std::int32_t value : decisions) stream.WriteBuffer(&value, 4);
    stream.SetPosition(0);
    recorder.LoadFromStream(stream);
  } else {
    return;
  }
  recorder.StartPlayback();
}

std::string Cell(const tUnit* unit) {
  if (unit == nullptr) return "null";
  std::string cell = "[";
  cell.append(std::to_string(unit->GridX)).append(", ").append(std::to_string(unit->GridY));
  return cell.append("]");
}

const char* OutcomeName(tOutcome outcome) {
  switch (outcome) {
    case tOutcome::Solved:
      return "solved";
    case tOutcome::Dead:
      return "dead";
    default:
      return "timeout";
  }
}

tOutcome Play(tGameEngine& engine, const tSimOptions& options) {
  // A level takes a little over a turn per FramesPerTurn ticks; fades and the intro add
  // a few hundred ticks at most.
  const long tickLimit = 1000L + 20L * (static_cast<long>(options.MaxTurns) + 1);
  std::int32_t tracedTurn = -1;
  for (long tick = 0; tick < tickLimit; ++tick) {
    engine.Update();
    engine.DrawFrame();
    if (options.Trace && engine.Play().TurnCount != tracedTurn && engine.GameMode != gmIntro) {
      tracedTurn = engine.Play().TurnCount;
      std::cout << "{\"turn\": " << engine.Play().TurnCount
                << ", \"player\": " << Cell(engine.Level.Player)
                << ", \"mode\": " << static_cast<int>(engine.GameMode) << "}\n";
    }
    if (engine.GameMode == gmLevelDone) return tOutcome::Solved;
    if (engine.GameMode == gmDead) return tOutcome::Dead;
    if (engine.Play().TurnCount >= options.MaxTurns) return tOutcome::Timeout;
  }
  return tOutcome::Timeout;
}

void Report(const tGameEngine& engine, tOutcome outcome) {
  const auto* player = dynamic_cast<const tPlayer*>(engine.Level.Player);
  std::string killer = "null";
  if (outcome == tOutcome::Dead && player != nullptr && player->Killer != nullptr)
    killer = std::string("\"") + player->Killer->ClassName + "\"";
  std::cout << "{\"outcome\": \"" << OutcomeName(outcome)
            << "\", \"turns\": " << engine.Play().TurnCount << ", \"keys\": ["
            << engine.Play().Counters.KeysCollected << ", " << engine.Play().Counters.KeysInLevel
            << "], \"jewels\": [" << engine.Play().Counters.JewelsCollected << ", "
            << engine.Play().Counters.JewelsInLevel << "], \"killer\": " << killer
            << ", \"player\": " << Cell(engine.Level.Player) << "}" << std::endl;
}

// Plays the intro and saves the first frame of play, composed as the game composes it.
int Screenshot(tGameEngine& engine, const std::string& pngFile) {
  engine.LevelLabel = " 1";
  while (engine.GameMode != gmPlaying) {
    engine.Update();
    engine.DrawFrame();
  }
  engine.FullRedraw = true;
  engine.PointerEnabled = false;
  engine.DrawFrame();
  SavePng(engine.FrameSurface(), pngFile);
  GameEngine = nullptr;
  return 0;
}

// Searches for the shortest solution and prints what the search found; the solution file
// written plays back to the same end through the game's recorder.
int Solve(tGameEngine& engine, const tSimOptions& options) {
  tSolveOptions search;
  search.AllJewels = options.AllJewels;
  search.MaxStates = options.MaxStates;
  const int status = SolveAndReport(engine, search, options.SaveTo, std::cout, false);
  GameEngine = nullptr;
  return status;
}

// Replays every level's stored solution of the set, round after round in one process: a
// soak for leaks and memory that grows from one level to the next.
int Soak(tGameEngine& engine, const tSimOptions& options) {
  const auto setFile = OpenPackagedFile(options.Level);
  const auto bytes = setFile->Data();
  std::vector<std::string> levels;
  for (const tSetEntry& entry : ParseSetLines(
           SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))))
    if (entry.IsLevel()) levels.push_back(entry.FileName);
  bool allSolved = true;
  for (int round = 1; round <= options.SoakRounds; ++round) {
    int solved = 0;
    for (const std::string& level : levels) {
      engine.LoadLevel(level);
      const std::string stem = level.substr(0, level.rfind('.'));
      engine.Play().Recorder.LoadFromFile("Solutions\\" + stem + ".Solution");
      engine.Play().Recorder.StartPlayback();
      const tOutcome outcome = Play(engine, options);
      const auto& counters = engine.Play().Counters;
      if (outcome == tOutcome::Solved && counters.JewelsCollected == counters.JewelsInLevel) {
        ++solved;
      } else {
        allSolved = false;
        std::cerr << "qn2-sim: round " << round << ": " << level << " did not finish ("
                  << OutcomeName(outcome) << ")" << std::endl;
      }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << "{\"round\": " << round << ", \"levels\": " << levels.size()
              << ", \"solved\": " << solved << ", \"peak_kib\": " << usage.ru_maxrss << "}"
              << std::endl;
  }
  GameEngine = nullptr;
  return allSolved ? 0 : 1;
}

int Run(const tSimOptions& options) {
  MountGameFiles(options);
  // A screenshot needs the real pictures; a play-through only needs something to load.
  tBlankPictures pictures(PackagePictures);
  PictureFiles = options.Screenshot ? static_cast<tPictureFiles*>(&PackagePictures) : &pictures;
  SetUpUnits();

  tGameEngine engine;
  GameEngine = &engine;
  tFrameComposer composer;
  if (options.Screenshot) {
    engine.Frames = &composer;
    LoadGameEngineGraphicsData();
    LoadSidePanel();
  }
  auto ghost = CreateOOTPlayer();
  engine.SetOOTPlayer(ghost.get());

  if (options.SoakRounds > 0) return Soak(engine, options);
  try {
    if (options.SaveTo && !options.Solve) {
      LoadLevelFromFile(engine.Level, options.Level);
      SaveLevelToFile(engine.Level, *options.SaveTo);
      GameEngine = nullptr;
      return 0;
    }
    engine.LoadLevel(options.Level);
    for (const std::string& problem : engine.LevelLoadProblems)
      std::cerr << "qn2-sim: warning: " << problem << std::endl;
  } catch (const std::exception& e) {
    std::cerr << e.what() << std::endl;
    GameEngine = nullptr;
    return 2;
  }
  if (options.Screenshot) return Screenshot(engine, *options.Screenshot);
  if (options.Solve) return Solve(engine, options);
  PlayDecisions(engine.Play().Recorder, options);
  const tOutcome outcome = Play(engine, options);
  Report(engine, outcome);
  GameEngine = nullptr;
  return outcome == tOutcome::Solved ? 0 : 1;
}

}  // namespace
}  // namespace qn2::sim

int main(int argc, char** argv) {
  using namespace qn2::sim;
  tSimOptions options;
  try {
    options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    std::cerr << "qn2-sim: " << e.what() << "\n" << SimUsage;
    return 2;
  }
  try {
    return Run(options);
  } catch (const std::exception& e) {
    std::cerr << "qn2-sim: " << e.what() << std::endl;
    return 2;
  }
}
