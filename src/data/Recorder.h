#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/Stream.h"

namespace qn2 {

// The player's decisions of one attempt at a level, recorded turn by turn, written to a
// solution file and played back so that the player unit repeats them. Typing
// "tarnwickholm" while playing records a solution; "fenlark" plays the stored one.

// The table holds indices 0..8192; recording fills at most 0..8191, so index 8192 is
// only ever reached by playing back a file.
inline constexpr std::int32_t RecorderTableSize = 8193;
inline constexpr std::int32_t RecorderCapacity = 8192;

// The first bytes of a solution file (no length byte, no terminator). After them: the
// count as a signed 32-bit little-endian integer, then that many values of the same kind.
inline constexpr char RecordSignature[] = "MorvRecord";
inline constexpr std::size_t RecordSignatureSize = sizeof(RecordSignature) - 1;

enum tRecorderState : std::uint8_t {
  rsIdle = 0,
  rsRecording = 1,
  rsPlaying = 2,
  rsStopped = 3,
};

class tRecorder {
 public:
  // Starts cleared: every value 0, idle.
  tRecorder() = default;

  // Forgets everything: every value 0, position and count 0, idle. Called on level load.
  void Clear();
  // Rewinds and stops; the values and the count stay.
  void Stop();
  // Clear, then record.
  void StartRecording();
  // Stop (rewinding), then play back from the first value.
  void StartPlayback();

  // Appends one decision. Beyond the capacity the value is dropped. Raises Exception
  // "RecordValue called while the recorder wasn't recording." unless recording.
  void RecordValue(std::int32_t value);
  // The next decision. Playback does not stop at the count: it goes on with whatever the
  // table holds, and past the table's end returns 0. Raises Exception "PlayBackValue
  // called while the recorder wasn't Playing." unless playing.
  std::int32_t PlayBackValue();

  // Reads a solution. A wrong signature raises Exception "Not a QuibNar Record file!" and
  // changes nothing. A stored count below 0 reads as 0, one above the table's size as the
  // table's size (the values beyond it are not read). A count field that ends early reads
  // as 0. The values the stream delivers (whole ones only) fill the table from index 0;
  // the table beyond them keeps what it held. Position and state are left alone.
  void LoadFromStream(tStream& stream);
  // Writes the signature, the count and the first count values. Raises EWriteError when
  // the stream takes fewer bytes.
  void SaveToStream(tStream& stream) const;
  // Loads the file found by name on disk or in a package (EFileMissing if neither).
  void LoadFromFile(const std::string& fileName);
  // Replaces the disk file with the solution. Raises EFileError when it cannot be written;
  // a file that was there before is then left as it was.
  void SaveToFile(const std::string& fileName) const;

  tRecorderState State() const { return RecState; }
  std::int32_t Position() const { return Pos; }
  std::int32_t Count() const { return ValueCount; }
  // Writes one decision into the table at the position (0..8191), whatever the state: a
  // search tries each choice of a turn this way before playing the turn back.
  void PlaceValue(std::int32_t position, std::int32_t value);
  // Puts the recorder back where a snapshot of the play found it. The values stay: while
  // recording, the ones beyond the count are written again as play goes on.
  void RestorePlace(tRecorderState state, std::int32_t position, std::int32_t count);

 private:
  std::array<std::int32_t, RecorderTableSize> Values{};
  std::int32_t Pos = 0;
  std::int32_t ValueCount = 0;
  tRecorderState RecState = rsIdle;
};

// One recorded decision: the input action number of the chosen direction (0 none, 2 up,
// 3 down, 4 left, 5 right) times two, plus 1 when the action key was pressed.
constexpr std::int32_t EncodeDecision(std::int32_t directionAction, bool actionFlag) {
  return directionAction * 2 + (actionFlag ? 1 : 0);
}
// The direction of a played-back value; anything but 2..5 means the player stays put.
constexpr std::int32_t DecodedDirection(std::int32_t value) {
  return value >> 1;
}
constexpr bool DecodedActionFlag(std::int32_t value) {
  return (value & 1) != 0;
}

// Where a solution recorded on the level file goes: the level file's full path with its
// extension replaced by ".Solution", every missing folder of it created. When that fails,
// the level file's bare name with ".Solution", in the current directory.
std::string NewSolutionFileName(const std::string& levelFileName);

// The stored solution of a level, to be found on disk or in a package: "Solutions\" + the
// level name without its extension + ".Solution".
std::string StoredSolutionName(const std::string& levelFileName);

}  // namespace qn2
