#pragma once

#include <cstdint>
#include <vector>

namespace qn2 {

// Every decision of the attempt at the level in play, kept whether or not a solution is
// being recorded: the player's own turns and the turns a playback played for them. Values
// are encoded as the recorder encodes them, so that a finished run can be saved as a
// solution and played back. Undo puts the count back to where the turn taken back began;
// the values beyond it stay until play writes over them, so that redo finds them again.
class tRunLog {
 public:
  // Forgets every decision: a new attempt.
  void Clear();
  // Adds one decision. Beyond the recorder's capacity the value is dropped, as a recording
  // drops it.
  void Append(std::int32_t value);
  std::int32_t Count() const { return ValueCount; }
  // The decision of a turn, 0 (stay put) outside the values logged so far.
  std::int32_t Value(std::int32_t index) const;
  // Puts the count back where a snapshot of the play found it (never beyond the values
  // logged in this attempt).
  void RestoreCount(std::int32_t count);
  // The decisions up to the count, in turn order: the run as a solution holds them.
  std::vector<std::int32_t> Decisions() const;

 private:
  std::vector<std::int32_t> Values;
  std::int32_t ValueCount = 0;
};

}  // namespace qn2
