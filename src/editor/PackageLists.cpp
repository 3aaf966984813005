#include "editor/PackageLists.h"

#include "common/Text.h"

namespace qn2 {

namespace {

// The name after the first "/" when the path starts with the folder and ends with one of
// the extensions.
std::optional<std::string> NameIn(const std::string& path, const std::string& folder,
                                  std::initializer_list<const char*> extensions) {
  const std::string lower = LowerCase(path);
  if (lower.rfind(folder, 0) != 0) return std::nullopt;
  for (const char* extension : extensions) {
    if (EndsWithIgnoringCase(lower, extension)) {
      const std::string name = path.substr(path.find('/') + 1);
      if (name.empty()) return std::nullopt;
      return name;
    }
  }
  return std::nullopt;
}

}  // namespace

tPackageLists BuildPackageLists(const std::vector<std::string>& packageNames) {
  tPackageLists lists;
  for (const std::string& path : packageNames) {
    if (auto name = NameIn(path, "backdrops/", {".jpg"})) lists.Backgrounds.push_back(*name);
    if (auto name = NameIn(path, "music/", {".xm", ".oxm"})) lists.Music.push_back(*name);
  }
  return lists;
}

std::optional<std::string> MatchListItem(const std::vector<std::string>& items,
                                         const std::string& text) {
  const std::string trimmed(TrimBlanks(text));
  for (const std::string& item : items)
    if (SameTextIgnoringCase(item, trimmed)) return trimmed;
  return std::nullopt;
}

}  // namespace qn2
