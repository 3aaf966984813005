#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qn2 {

// Text files of the game (levels, set files, "Config.cfg") are lists of lines.

// Splits a text into lines. CR LF, LF and CR each end a line; the line end after the last
// line is optional and does not start another line, so "a\r\nb\r\n" and "a\nb" are both
// the two lines "a" and "b". An empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The lines as one text, every line (the last one included) ended with CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace qn2
