#include "data/SetFile.h"

#include <algorithm>
#include <string_view>

#include "common/Text.h"

namespace qn2 {

namespace {

tEntryKind KindOf(std::string_view kindText) {
  const std::string_view trimmed = TrimBlanks(kindText);
  if (SameTextIgnoringCase(trimmed, "Level")) return tEntryKind::Level;
  if (SameTextIgnoringCase(trimmed, "DummyLevel")) return tEntryKind::DummyLevel;
  if (kindText == "Video") return tEntryKind::Video;
  if (kindText.empty()) return tEntryKind::None;
  return tEntryKind::Other;
}

}  // namespace

tSetEntry ParseSetLine(const std::string& line) {
  tSetEntry entry;
  entry.Line = line;
  const std::size_t blank = line.find(' ');
  entry.KindText = line.substr(0, blank);
  if (blank != std::string::npos) entry.FileName = line.substr(blank + 1);
  entry.Kind = KindOf(entry.KindText);
  return entry;
}

std::vector<tSetEntry> ParseSetLines(const std::vector<std::string>& lines) {
  std::vector<tSetEntry> entries;
  entries.reserve(lines.size());
  for (const std::string& line : lines) entries.push_back(ParseSetLine(line));
  return entries;
}

std::string TitleFileName(const std::string& line) {
  const std::string_view trimmed = TrimBlanks(line);
  const std::size_t blank = trimmed.find(' ');
  if (blank == std::string_view::npos) return {};
  return std::string(trimmed.substr(blank + 1));
}

std::string ReadTitle(const std::vector<std::string>& fileLines) {
  for (const std::string& line : fileLines) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos &&
        SameTextIgnoringCase(std::string_view(line).substr(0, equals), "Title"))
      return line.substr(equals + 1);
  }
  return {};
}

void ReadTitles(std::vector<tSetEntry>& entries, const tReadFileLines& readLines) {
  for (tSetEntry& entry : entries) {
    // A video has no title to give, and reading megabytes of it as text only to find none
    // would hold up the start, or stop it when the video is missing.
    const std::string fileName = entry.IsVideo() ? std::string() : TitleFileName(entry.Line);
    entry.Title = fileName.empty() ? std::string() : ReadTitle(readLines(fileName));
  }
}

std::string EntryLabel(const std::string& setFileName, std::size_t index) {
  const bool bonus =
      index >= FirstBonusEntry && SameTextIgnoringCase(setFileName, BonusSetFileName);
  const std::string number = std::to_string(bonus ? index - (FirstBonusEntry - 1) : index + 1);
  std::string label;
  if (bonus)
    label.append(1, 'B');
  else if (number.size() <= 1)
    label.append(1, ' ');
  label.append(number);
  return label;
}

}  // namespace qn2
