#include "engine/Solver.h"

#include <algorithm>
#include <unordered_set>

#include "common/SnapshotDelta.h"
#include "data/Recorder.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"

namespace qn2 {

namespace {

// More engine ticks than the slowest turn takes; a turn that does not end by then (the
// game paused, a mode that waits) ends the search along that path.
constexpr int TickLimitPerTurn = 200;
// The intro of a level takes about a hundred ticks.
constexpr int IntroTickLimit = 2000;

enum class tTurnEnd : std::uint8_t { Turned, Finished, Lost };

// Plays from the edge of one turn to the edge of the next (the player's decision read and
// carried out), or to the end of the play. Moments of play are compared at turn edges,
// where every unit stands in its cell, so that the same board reached by different moves
// is seen once.
tTurnEnd PlayOneTurn(tGameEngine& engine) {
  const std::int32_t turn = engine.Play().TurnCount;
  for (int tick = 0; tick < TickLimitPerTurn; ++tick) {
    engine.Update();
    if (engine.GameMode == gmLevelDone) return tTurnEnd::Finished;
    if (engine.GameMode != gmPlaying) return tTurnEnd::Lost;
    if (engine.Play().TurnCount != turn && engine.AtTurnEdge()) return tTurnEnd::Turned;
  }
  return tTurnEnd::Lost;
}

bool EveryJewelCollected(const tGameEngine& engine) {
  const tLevelCounters& counters = engine.Play().Counters;
  return counters.JewelsCollected == counters.JewelsInLevel;
}

// One moment of play reached: where it came from, and the decision the player took on the
// way (none when the player decided nothing in that turn).
struct tNode {
  std::uint32_t Parent;
  std::int32_t Decision;
};

constexpr std::int32_t NoDecision = -1;

// A moment of play still to be explored, kept as its difference from the level's start.
struct tOpenState {
  std::uint32_t Node;
  std::vector<std::uint8_t> Delta;
};

// What the search holds besides the open moments: per node its parent and decision, per
// hash an entry of the set (counted with the set's own bookkeeping).
constexpr std::size_t BytesPerNode = sizeof(tNode) + 48;

std::vector<std::int32_t> DecisionsTo(const std::vector<tNode>& nodes, std::uint32_t node) {
  std::vector<std::int32_t> decisions;
  for (; node != 0; node = nodes[node].Parent)
    if (nodes[node].Decision != NoDecision) decisions.push_back(nodes[node].Decision);
  std::reverse(decisions.begin(), decisions.end());
  while (!decisions.empty() && decisions.back() == EncodeDecision(iaNone, false))
    decisions.pop_back();
  return decisions;
}

}  // namespace

const std::vector<std::int32_t>& SolverChoices() {
  // Standing first: the turns after the decisive step (the exit opening, say) then cost no
  // decision, since a solution played back stands still after its last one.
  static const std::vector<std::int32_t> choices = {
      EncodeDecision(iaNone, false), EncodeDecision(iaUp, false),    EncodeDecision(iaDown, false),
      EncodeDecision(iaLeft, false), EncodeDecision(iaRight, false), EncodeDecision(iaNone, true)};
  return choices;
}

tSolveResult SolveLevel(tGameEngine& engine, const tSolveOptions& options) {
  tSolveResult result;
  for (int tick = 0;
       tick < IntroTickLimit && !(engine.GameMode == gmPlaying && engine.AtTurnEdge()); ++tick)
    engine.Update();
  if (engine.GameMode != gmPlaying || !engine.AtTurnEdge()) {
    result.Outcome = tSolveOutcome::Unsolvable;
    return result;
  }
  struct tHistoryOff {
    tGameEngine& Engine;
    explicit tHistoryOff(tGameEngine& engine) : Engine(engine) { Engine.KeepsHistory = false; }
    ~tHistoryOff() { Engine.KeepsHistory = true; }
  } historyOff(engine);
  tRecorder& recorder = engine.Play().Recorder;
  recorder.Clear();
  recorder.StartPlayback();

  std::vector<tNode> nodes{{0, NoDecision}};
  std::unordered_set<std::uint64_t> seen{engine.PlayHash()};
  tSnapshotStream snapshot;
  engine.SaveState(snapshot);
  const std::vector<std::uint8_t> start = snapshot.Data();
  std::vector<tOpenState> frontier{{0, EncodeDelta(start, start)}};
  std::vector<tOpenState> next;
  std::size_t openBytes = frontier[0].Delta.capacity() + sizeof(tOpenState);

  while (!frontier.empty()) {
    for (tOpenState& open : frontier) {
      for (std::int32_t choice : SolverChoices()) {
        if (result.StatesExplored >= options.MaxStates ||
            openBytes + nodes.size() * BytesPerNode > options.MaxMemory) {
          result.Outcome = tSolveOutcome::GaveUp;
          return result;
        }
        DecodeDelta(start, open.Delta, snapshot.Buffer());
        engine.LoadState(snapshot);
        const std::int32_t position = recorder.Position();
        recorder.PlaceValue(position, choice);
        const tTurnEnd end = PlayOneTurn(engine);
        ++result.StatesExplored;
        if (options.Progress && result.StatesExplored % options.ProgressEvery == 0)
          options.Progress(result.StatesExplored);
        // A turn in which the player decided nothing plays the same whatever the choice.
        const bool decided = recorder.Position() != position;
        const tNode node{open.Node, decided ? choice : NoDecision};
        if (end == tTurnEnd::Finished && (!options.AllJewels || EveryJewelCollected(engine))) {
          nodes.push_back(node);
          result.Outcome = tSolveOutcome::Solved;
          result.Decisions = DecisionsTo(nodes, static_cast<std::uint32_t>(nodes.size() - 1));
          result.Turns = engine.Play().TurnCount;
          return result;
        }
        if (end == tTurnEnd::Turned && seen.insert(engine.PlayHash()).second) {
          nodes.push_back(node);
          snapshot.Clear();
          engine.SaveState(snapshot);
          tOpenState& reached = next.emplace_back();
          reached.Node = static_cast<std::uint32_t>(nodes.size() - 1);
          reached.Delta = EncodeDelta(start, snapshot.Data());
          openBytes += reached.Delta.capacity() + sizeof(tOpenState);
        }
        if (!decided) break;
      }
      openBytes -= open.Delta.capacity() + sizeof(tOpenState);
      open.Delta = {};
    }
    frontier.swap(next);
    next.clear();
  }
  result.Outcome = tSolveOutcome::Unsolvable;
  return result;
}

const char* SolveOutcomeName(tSolveOutcome outcome) {
  switch (outcome) {
    case tSolveOutcome::Solved:
      return "solved";
    case tSolveOutcome::Unsolvable:
      return "unsolvable";
    default:
      return "gave-up";
  }
}

std::string MovesText(const std::vector<std::int32_t>& decisions) {
  std::string text;
  for (std::int32_t value : decisions) {
    const bool drop = DecodedActionFlag(value);
    char step = '.';
    switch (DecodedDirection(value)) {
      case iaUp:
        step = 'U';
        break;
      case iaDown:
        step = 'D';
        break;
      case iaLeft:
        step = 'L';
        break;
      case iaRight:
        step = 'R';
        break;
      default:
        break;
    }
    if (drop) step = step == '.' ? '!' : static_cast<char>(step - 'A' + 'a');
    text += step;
  }
  return text;
}

}  // namespace qn2
