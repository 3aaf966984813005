#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qn2 {

class tGameEngine;

// A search for the shortest way through a level: breadth first over the player's choice at
// each turn (a step in one of four directions, standing still, or dropping the oldest
// carried item), from snapshots of the play, each moment of play visited once (by the hash
// of its complete state).
struct tSolveOptions {
  // Finishing counts only with every jewel collected.
  bool AllJewels = false;
  // The search gives up after exploring this many moments of play.
  std::size_t MaxStates = 5'000'000;
  // ... or when the moments still to explore and the way back to the start would take more
  // memory than this (an estimate, in bytes).
  std::size_t MaxMemory = std::size_t{2} << 30;
  // Told the number of moments explored so far, every ProgressEvery of them.
  std::function<void(std::size_t)> Progress;
  std::size_t ProgressEvery = 10'000;
};

enum class tSolveOutcome : std::uint8_t { Solved, Unsolvable, GaveUp };

struct tSolveResult {
  tSolveOutcome Outcome = tSolveOutcome::GaveUp;
  // The decisions as the recorder stores them, one per turn the player decided.
  std::vector<std::int32_t> Decisions;
  // The turns the solution takes, counted as the play counts them (so a playback of the
  // decisions reports the same number when it finishes).
  std::int32_t Turns = 0;
  std::size_t StatesExplored = 0;
};

// The choices a turn offers, in the order they are tried, as recorder values.
const std::vector<std::int32_t>& SolverChoices();

// Searches the engine's loaded level from its start. The engine is left somewhere in the
// search; load the level again to play it.
tSolveResult SolveLevel(tGameEngine& engine, const tSolveOptions& options);

// "solved", "unsolvable" or "gave-up".
const char* SolveOutcomeName(tSolveOutcome outcome);

// The decisions in the simulator's notation: U D L R a step, . standing, ! a drop, u d l r
// a step with a drop.
std::string MovesText(const std::vector<std::int32_t>& decisions);

}  // namespace qn2
