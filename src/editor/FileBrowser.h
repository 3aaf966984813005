#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qn2 {

// The editor's own file dialog, without its window: the folder shown, its entries (folders
// first, then the files the filter lets through), the file name being chosen, and the
// answer to OK. It never changes the program's current folder.
class tFileBrowser {
 public:
  enum class tPurpose { Open, Save };
  enum class tFilter { MapFiles, AllFiles };
  enum class tAnswer {
    Chosen,         // ChosenPath holds the file
    NothingChosen,  // no file name given
    NotFound,       // opening: the file must exist
    AskOverwrite,   // saving over a file: ask, then Overwrite()
    FolderEntered,  // the name was a folder, which is now shown
  };
  struct tEntry {
    std::string Name;
    bool Folder = false;
  };

  // Starts in the folder of the start path (the current folder when the path has none or
  // it does not exist), with the path's file name filled in.
  void Start(tPurpose purpose, const std::string& startPath);
  tPurpose Purpose() const { return Use; }
  // "Load A Level" or "Save Current level as".
  std::string Title() const;

  const std::filesystem::path& Folder() const { return Shown; }
  std::vector<tEntry> Entries() const;
  // A folder of the list (".." goes up).
  void EnterFolder(const std::string& name);

  std::string FileName;
  tFilter Filter = tFilter::MapFiles;

  // OK: the typed name (a name without an extension gets ".map"), relative to the shown
  // folder unless absolute.
  tAnswer Confirm();
  // The overwrite question answered yes.
  void Overwrite() { ChosenPath = Pending; }
  std::string ChosenPath;

 private:
  tPurpose Use = tPurpose::Open;
  std::filesystem::path Shown;
  std::string Pending;
};

}  // namespace qn2
