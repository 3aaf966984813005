#include "editor/RelativePath.h"

#include "common/Text.h"

namespace qn2 {

namespace {

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

}  // namespace

std::string RelativePath(const std::string& path, const std::string& folder) {
  std::string base = folder;
  while (!base.empty() && IsSeparator(base.back())) base.pop_back();
  if (base.empty() || path.size() <= base.size()) return path;
  if (!SameTextIgnoringCase(std::string_view(path).substr(0, base.size()), base)) return path;
  if (!IsSeparator(path[base.size()])) return path;
  std::size_t start = base.size();
  while (start < path.size() && IsSeparator(path[start])) ++start;
  return path.substr(start);
}

}  // namespace qn2
