#include "editor/FileBrowser.h"

#include <algorithm>
#include <system_error>

#include "common/Text.h"

namespace qn2 {

namespace fs = std::filesystem;

void tFileBrowser::Start(tPurpose purpose, const std::string& startPath) {
  Use = purpose;
  ChosenPath.clear();
  Pending.clear();
  std::error_code error;
  const fs::path current = fs::current_path(error);
  fs::path start(startPath);
  Shown = current;
  FileName = start.filename().string();
  if (start.has_parent_path()) {
    const fs::path folder =
        start.parent_path().is_absolute() ? start.parent_path() : current / start.parent_path();
    if (fs::is_directory(folder, error)) Shown = folder.lexically_normal();
  }
}

std::string tFileBrowser::Title() const {
  return Use == tPurpose::Open ? "Load A Level" : "Save Current level as";
}

std::vector<tFileBrowser::tEntry> tFileBrowser::Entries() const {
  std::vector<tEntry> folders, files;
  std::error_code error;
  for (fs::directory_iterator it(Shown, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    if (it->is_directory(error)) {
      folders.push_back({name, true});
    } else if (Filter == tFilter::AllFiles || EndsWithIgnoringCase(name, ".map")) {
      files.push_back({name, false});
    }
  }
  const auto byName = [](const tEntry& a, const tEntry& b) {
    return LowerCase(a.Name) < LowerCase(b.Name);
  };
  std::sort(folders.begin(), folders.end(), byName);
  std::sort(files.begin(), files.end(), byName);
  std::vector<tEntry> entries;
  if (Shown.has_parent_path() && Shown.parent_path() != Shown) entries.push_back({"..", true});
  entries.insert(entries.end(), folders.begin(), folders.end());
  entries.insert(entries.end(), files.begin(), files.end());
  return entries;
}

void tFileBrowser::EnterFolder(const std::string& name) {
  std::error_code error;
  const fs::path next = name == ".." ? Shown.parent_path() : Shown / name;
  if (fs::is_directory(next, error)) Shown = next.lexically_normal();
}

tFileBrowser::tAnswer tFileBrowser::Confirm() {
  const std::string typed(TrimBlanks(FileName));
  if (typed.empty()) return tAnswer::NothingChosen;
  fs::path path(typed);
  if (!path.is_absolute()) path = Shown / path;
  path = path.lexically_normal();
  std::error_code error;
  if (fs::is_directory(path, error)) {
    Shown = path;
    FileName.clear();
    return tAnswer::FolderEntered;
  }
  if (!path.has_extension()) path += ".map";
  const bool exists = fs::exists(path, error);
  if (Use == tPurpose::Open && !exists) return tAnswer::NotFound;
  if (Use == tPurpose::Save && exists) {
    Pending = path.string();
    return tAnswer::AskOverwrite;
  }
  ChosenPath = path.string();
  return tAnswer::Chosen;
}

}  // namespace qn2
