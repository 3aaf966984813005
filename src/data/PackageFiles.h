#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "common/OwnerList.h"
#include "data/MemoryStream.h"
#include "data/Stream.h"
#include "data/ZipFiles.h"

namespace qn2 {

// A data file was found neither on disk nor in a package.
class EFileMissing : public Exception {
 public:
  using Exception::Exception;
};

// Something tried to write to a tPackageFileStream.
class EWriteToPackage : public Exception {
 public:
  using Exception::Exception;
};

// The game's data package, in the folder the game runs in.
inline constexpr const char* GamePackageFileName = "Quibnar2.VexPak";

// The folders the main window adds to the search after the package is mounted.
inline constexpr std::array<const char*, 4> GameDataFolders = {"Levels", "BackDrops", "MenuGFX",
                                                               "Popups"};

class tPackageRegistry;

// A read-only stream over an in-memory copy of a whole data file, found by name on disk
// or in a mounted package. Callers read, seek and size it freely.
class tPackageFileStream : public tStream {
 public:
  // Looks the name up in the program-wide registry (see tPackageRegistry::Open).
  explicit tPackageFileStream(const std::string& name);
  tPackageFileStream(tPackageRegistry& registry, const std::string& name);

  std::size_t Read(void* buffer, std::size_t count) override;
  // Raises EWriteToPackage "Attempted to write to a Packaged file".
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, tSeekOrigin origin) override;
  std::int64_t Position() override { return Contents.Position(); }
  std::int64_t Size() override { return Contents.Size(); }

  // The whole file, for loaders that want the bytes in one piece.
  std::span<const std::uint8_t> Data() const { return Contents.Data(); }

 private:
  void LoadFromDisk(const std::string& path);
  void LoadFromPackage(const tZippedFile& entry);

  tMemoryStream Contents;
};

// The mounted packages and the folders searched for data files. A name is looked for
// on disk first, then in the packages, so loose files override packaged ones.
class tPackageRegistry {
 public:
  // A registry with the given search folders (each empty or ending in "\").
  explicit tPackageRegistry(std::vector<std::string> searchFolders = {});

  // The start-up folders: the current directory ("") and the program's own directory.
  static std::vector<std::string> DefaultSearchFolders();

  // Mounts the zip archive if the file exists (the name is not searched for in the
  // folders); does nothing if it does not. Raises ENotZipFile for a file that is not a
  // zip archive.
  void MountPackage(const std::string& fileName);
  // Appends an archive already read.
  void AddPackage(std::unique_ptr<tZipFile> package);
  // Appends a folder to the search: spaces trimmed, "\" appended unless already there.
  // The name must not be empty.
  void AddSearchFolder(const std::string& folderName);

  // The disk path of the file for the name: each search folder + name, then each search
  // folder + package name without extension + "\" + name, for each package in order.
  std::optional<std::string> FindOnDisk(const std::string& name) const;
  // The first package entry matching a search folder + the name (spaces trimmed), for
  // each package in mount order and each search folder in order.
  tZippedFile* FindInPackages(const std::string& name) const;

  // Opens the file for the name; raises EFileMissing "File Missing 'NAME'." when it is
  // found nowhere.
  std::unique_ptr<tPackageFileStream> Open(const std::string& name);
  bool Exists(const std::string& name) const;
  // Appends to list the names of package entries that end with the extension ("." put
  // in front if missing; ASCII case ignored), package by package in directory order.
  // Files on disk are not listed.
  void List(std::string extension, std::vector<std::string>& list) const;

  const std::vector<std::string>& SearchFolders() const { return Folders; }
  std::size_t PackageCount() const { return Packages.Count(); }

 private:
  tOwnerList<tZipFile> Packages;
  std::vector<std::string> Folders;
};

// The program-wide registry, created with the default search folders on first use.
tPackageRegistry& PackageFiles();

void MountPackage(const std::string& fileName);
void AddSearchFolder(const std::string& folderName);
std::unique_ptr<tPackageFileStream> OpenPackagedFile(const std::string& name);
void ClosePackagedFile(std::unique_ptr<tPackageFileStream>& stream);
bool PackagedFileExists(const std::string& name);
void ListPackagedFiles(const std::string& extension, std::vector<std::string>& list);

}  // namespace qn2
