#pragma once

#include <string>

namespace qn2 {

// A chosen file's path as the game keeps it: relative to the folder when it lies inside
// it (the folder and the separator after it removed), otherwise the whole path. The two
// are compared without regard to letter case, but the path keeps its own letters, so the
// file is found again and written over on a file system that tells cases apart. Both "/"
// and "\" separate folders; a folder name that merely begins like another ("levels2"
// after "levels") is not inside it.
std::string RelativePath(const std::string& path, const std::string& folder);

}  // namespace qn2
