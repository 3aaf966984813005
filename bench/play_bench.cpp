// The engine's speed at play and the solver's speed at search, on the shipped levels: engine
// ticks per second while a stored solution plays a busy level, moments of play explored per
// second while the solver searches, and the memory the undo history of a long attempt takes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "data/PackageFiles.h"
#include "data/Recorder.h"
#include "engine/BlankPictures.h"
#include "engine/GameEngine.h"
#include "engine/PackagePictures.h"
#include "engine/Solver.h"
#include "engine/units/OOTPlayer.h"
#include "engine/units/UnitClasses.h"

namespace qn2 {
namespace {

// An engine in the shipped content folder, with blank pictures: play needs no artwork.
struct tContentEngine {
  tContentEngine() {
    static const bool ready = [] {
      std::filesystem::current_path(QN2_CONTENT_DIR);
      for (const char* folder : GameDataFolders) AddSearchFolder(folder);
      static tBlankPictures pictures(PackagePictures);
      PictureFiles = &pictures;
      SetUpUnits();
      return true;
    }();
    (void)ready;
    GameEngine = &Engine;
    Engine.SetOOTPlayer(Ghost.get());
  }
  ~tContentEngine() { GameEngine = nullptr; }

  tGameEngine Engine;
  std::unique_ptr<tOOTPlayer> Ghost = CreateOOTPlayer();
};

// EightLegs: spiders, a trapped spider's explosion and the player's walk, to the exit.
void EngineTicksPlayingASolution(benchmark::State& state) {
  tContentEngine content;
  std::int64_t ticks = 0;
  for (auto _ : state) {
    content.Engine.LoadLevel("EightLegs.map");
    content.Engine.Play().Recorder.LoadFromFile(StoredSolutionName("EightLegs.map"));
    content.Engine.Play().Recorder.StartPlayback();
    while (content.Engine.GameMode != gmLevelDone && ticks < (1LL << 40)) {
      content.Engine.Update();
      ++ticks;
    }
  }
  state.SetItemsProcessed(ticks);
  state.counters["ticks_per_second"] =
      benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(EngineTicksPlayingASolution)->Unit(benchmark::kMillisecond);

// The solver on FirstSteps with every jewel: about twenty thousand moments of play.
void SolverStatesPerSecond(benchmark::State& state) {
  tContentEngine content;
  std::int64_t states = 0;
  for (auto _ : state) {
    content.Engine.LoadLevel("FirstSteps.map");
    const tSolveResult result = SolveLevel(content.Engine, {true, 1'000'000});
    if (result.Outcome != tSolveOutcome::Solved) state.SkipWithError("FirstSteps not solved");
    states += static_cast<std::int64_t>(result.StatesExplored);
  }
  state.counters["states_per_second"] =
      benchmark::Counter(static_cast<double>(states), benchmark::Counter::kIsRate);
}
BENCHMARK(SolverStatesPerSecond)->Unit(benchmark::kMillisecond);

// The memory undo costs: the history of a 2,000-turn attempt at a level with spiders (the
// player stands while they roam), reported in bytes.
void UndoHistoryOfTwoThousandTurns(benchmark::State& state) {
  tContentEngine content;
  std::size_t bytes = 0;
  for (auto _ : state) {
    content.Engine.LoadLevel("EightLegs.map");
    while (content.Engine.History().Count() < 2000 && content.Engine.GameMode != gmDead)
      content.Engine.Update();
    bytes = content.Engine.History().Bytes();
    if (content.Engine.History().Count() < 2000) state.SkipWithError("the attempt ended early");
  }
  state.counters["history_bytes"] = static_cast<double>(bytes);
  state.counters["bytes_per_turn"] = static_cast<double>(bytes) / 2000.0;
}
BENCHMARK(UndoHistoryOfTwoThousandTurns)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace qn2
