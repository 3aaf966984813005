// The set-file reader on a fuzzed episode, each entry's title read from the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/SetFile.h"
#include "data/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qn2;
  const std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  std::vector<tSetEntry> entries = ParseSetLines(lines);
  for (const std::string& line : lines) TitleFileName(line);
  // Every entry's file holds the set's own lines, so the titles are read from fuzzed text.
  ReadTitles(entries, [&lines](const std::string&) { return lines; });
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EntryLabel(DefaultSetFileName, i);
    EntryLabel(BonusSetFileName, i);
  }
  return 0;
}
