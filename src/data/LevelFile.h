#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/Exception.h"

namespace qn2 {

class tLevel;

// A level file that cannot be read: a tile section with the wrong number of lines or a
// line of the wrong length.
class ELevelLoadError : public Exception {
 public:
  using Exception::Exception;
};

// Told the message of a property value its unit refused (a trigger expression that does
// not parse, say); the unit keeps going without it. Null: such problems pass silently.
using tPropertyProblems = std::function<void(const std::string& message)>;

// Level files (".map") are text: sections "[Misc]", "[Tiles]", "[MoreTiles]",
// "[Overlay]" and "[Units]". The reader frees the level's units, clears its cells and
// applies the sections in file order; an error leaves what was read so far.
void ReadLevelFromLines(tLevel& level, const std::vector<std::string>& lines,
                        const tPropertyProblems& problems = nullptr);
// Appends the whole file's lines.
void WriteLevelToLines(const tLevel& level, std::vector<std::string>& lines);
// Reads a level through the package layer (disk folders first, then the packages).
void LoadLevelFromFile(tLevel& level, const std::string& fileName,
                       const tPropertyProblems& problems = nullptr);
// Writes the level to a disk file, every line ended with CR LF.
void SaveLevelToFile(const tLevel& level, const std::string& fileName);

// A number of the tile sections: the longest run of hexadecimal digits at the end of the
// text (blanks trimmed); 0 when the text is empty or ends in anything else.
std::uint32_t ReadHexValue(const std::string& text);

}  // namespace qn2
