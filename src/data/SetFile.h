#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qn2 {

// An episode is described by a set file: a text file with one entry per line, the
// entry's index being its line number counted from 0. An entry line is a kind, one blank
// and a file name ("Level Cave.lev", "Video Intro.avi").

inline constexpr const char* DefaultSetFileName = "QuibNar.set";
// In the shipped episode the entries from this index on are the bonus levels "B1", "B2"...
inline constexpr const char* BonusSetFileName = "Quibnar.set";
inline constexpr std::size_t FirstBonusEntry = 54;

enum class tEntryKind : std::uint8_t {
  None,        // no kind: a blank line, or a line starting with a blank
  Level,       // "Level", any letter case, blanks around it ignored
  DummyLevel,  // "DummyLevel", compared the same way; played like a level
  Video,       // exactly "Video"
  Other,       // any other kind: the entry does nothing when started
};

struct tSetEntry {
  std::string Line;      // the line as it stands in the set file
  std::string KindText;  // the text before the first blank (the whole line without one)
  tEntryKind Kind = tEntryKind::None;
  std::string FileName;  // the text after the first blank: the level or video to start
  std::string Title;     // filled by ReadTitles

  bool IsLevel() const { return Kind == tEntryKind::Level || Kind == tEntryKind::DummyLevel; }
  bool IsDummy() const { return Kind == tEntryKind::DummyLevel; }
  bool IsVideo() const { return Kind == tEntryKind::Video; }
};

tSetEntry ParseSetLine(const std::string& line);
std::vector<tSetEntry> ParseSetLines(const std::vector<std::string>& lines);

// The file whose title an entry shows: the text after the first blank of the line with
// its surrounding blanks removed; empty when the trimmed line has no blank.
std::string TitleFileName(const std::string& line);

// The title in an entry file's lines: the value of the first line whose name (the text
// before the first "=") is "Title" in any letter case; empty when there is none.
std::string ReadTitle(const std::vector<std::string>& fileLines);

// Reads the lines of a game file by name (through the package layer); raises the package
// layer's error when the file cannot be read.
using tReadFileLines = std::function<std::vector<std::string>(const std::string& fileName)>;

// Fills every entry's title from its file, in entry order. An entry without a file name,
// and a video, gets an empty title without its file being read; a named level file that
// cannot be read fails as readLines fails.
void ReadTitles(std::vector<tSetEntry>& entries, const tReadFileLines& readLines);

// The entry's label for the side panel: index + 1, or "B" + (index - 53) for the bonus
// levels of the shipped episode; a one-character label gets a blank in front (" 7").
std::string EntryLabel(const std::string& setFileName, std::size_t index);

}  // namespace qn2
