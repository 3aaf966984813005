#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qn2 {

// The player's progress in an episode: one value per entry of the set file, kept in a
// small binary file next to the game. Each value is a 32-bit little-endian signed integer,
// in entry order, with nothing before or after them.
inline constexpr std::int32_t ProgressNotSolved = 0;
inline constexpr std::int32_t ProgressSolved = 1;           // without all the jewels
inline constexpr std::int32_t ProgressSolvedAllJewels = 2;  // with all the jewels

// The progress file of a set file: the set's name without its extension, plus
// ".Progress" ("QuibNar.set" keeps its progress in "QuibNar.Progress"). A name without
// an extension keeps all of it ("Extra" -> "Extra.Progress"), and a "." in a folder name
// is not an extension.
std::string ProgressFileName(const std::string& setFileName);

enum class tProgressRead : std::uint8_t {
  Missing,  // there is no such file; the values are unchanged
  Read,     // the file's values fill the first entries; the others are unchanged
  TooLong,  // the file holds more values than there are entries; it is ignored
  Damaged,  // a value other than 0, 1 or 2, or a cut-off last value; the rest was read
};

// Reads a progress file into values (one per entry). A file of at most 4 x entries bytes
// fills the first size / 4 entries; a longer one is ignored. A value other than 0, 1 or 2
// (a damaged file) reads as 0. Raises EFileError when the file exists but cannot be read.
tProgressRead ReadProgressFile(const std::string& fileName, std::vector<std::int32_t>& values);

// Writes every value, replacing the file. An episode without entries writes nothing.
// Raises EFileError when the file cannot be written; the old file is then left as it was.
void WriteProgressFile(const std::string& fileName, const std::vector<std::int32_t>& values);

// Loads an episode's progress: an existing file is read as ReadProgressFile reads it; a
// missing one means every value is 0, and the file is written at once. A file too long or
// damaged is copied aside before the game writes over it; the returned message tells the
// player so ("" when the file was sound).
std::string LoadProgress(const std::string& fileName, std::vector<std::int32_t>& values);

// Disk helpers for the files the game writes. Names may use "\" between folders, and
// existing folders and files are found without regard to letter case.

// Creates the folder and every missing parent; true when the folder exists afterwards.
// A trailing "\" is ignored. Raises EFileError "Unable to create directory" for an empty
// path.
bool ForceDirectories(const std::string& path);

// True when the path exists and is a folder.
bool DirectoryExists(const std::string& path);

}  // namespace qn2
