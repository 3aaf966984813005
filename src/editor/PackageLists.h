#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qn2 {

// The "BackGround" and "Music" choices of the editor, from the names of the package's
// files: every ".jpg" under "backdrops/" and every ".xm" or ".oxm" under "music/" (any
// letter case), each by its name after the first "/".
struct tPackageLists {
  std::vector<std::string> Backgrounds;
  std::vector<std::string> Music;
};
tPackageLists BuildPackageLists(const std::vector<std::string>& packageNames);

// The trimmed text when it names an item of the list (ignoring case); none otherwise.
std::optional<std::string> MatchListItem(const std::vector<std::string>& items,
                                         const std::string& text);

}  // namespace qn2
