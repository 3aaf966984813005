#include "data/PackageFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/Text.h"
#include "data/DiskFiles.h"
#include "data/FileStream.h"

namespace qn2 {

namespace {

// Removes leading and trailing spaces and control characters.
std::string Trim(const std::string& text) {
  const auto keep = [](char c) { return static_cast<unsigned char>(c) > ' '; };
  const auto first = std::find_if(text.begin(), text.end(), keep);
  const auto last = std::find_if(text.rbegin(), text.rend(), keep).base();
  return first < last ? std::string(first, last) : std::string();
}

// The file name without its extension (the folders stay).
std::string WithoutExtension(const std::string& fileName) {
  const std::size_t dot = fileName.find_last_of('.');
  const std::size_t separator = fileName.find_last_of("\\/:");
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
    return fileName;
  return fileName.substr(0, dot);
}

constexpr std::size_t ReadBlockSize = 65536;
// A damaged entry may claim any size: memory is reserved up to this much in advance, and
// beyond it only as the bytes actually arrive.
constexpr std::size_t MaxReserve = 16 * 1024 * 1024;

}  // namespace

// ---- tPackageFileStream ----

tPackageFileStream::tPackageFileStream(const std::string& name)
    : tPackageFileStream(PackageFiles(), name) {}

tPackageFileStream::tPackageFileStream(tPackageRegistry& registry, const std::string& name) {
  if (const auto path = registry.FindOnDisk(name)) {
    LoadFromDisk(*path);
  } else if (const tZippedFile* entry = registry.FindInPackages(name)) {
    LoadFromPackage(*entry);
  } else {
    throw EFileMissing("File Missing '" + name + "'.");
  }
  Contents.SetPosition(0);
}

void tPackageFileStream::LoadFromDisk(const std::string& path) {
  tFileStream file(path, tFileStream::tMode::OpenRead);
  const std::int64_t size = file.Size();
  Contents.SetSize(static_cast<std::size_t>(size));
  file.ReadBuffer(Contents.Memory(), static_cast<std::size_t>(size));
}

void tPackageFileStream::LoadFromPackage(const tZippedFile& entry) {
  tZippedStream zipped(entry);
  std::int64_t remaining = entry.UncompressedSize();
  Contents.Reserve(std::min<std::size_t>(static_cast<std::size_t>(remaining), MaxReserve));
  std::vector<std::uint8_t> block(
      std::min<std::size_t>(static_cast<std::size_t>(remaining), ReadBlockSize));
  while (remaining > 0) {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(remaining, block.size()));
    zipped.ReadBuffer(block.data(), n);
    Contents.WriteBuffer(block.data(), n);
    remaining -= static_cast<std::int64_t>(n);
  }
}

std::size_t tPackageFileStream::Read(void* buffer, std::size_t count) {
  return Contents.Read(buffer, count);
}

std::size_t tPackageFileStream::Write(const void*, std::size_t) {
  throw EWriteToPackage("Attempted to write to a Packaged file");
}

std::int64_t tPackageFileStream::Seek(std::int64_t offset, tSeekOrigin origin) {
  return Contents.Seek(offset, origin);
}

// ---- tPackageRegistry ----

tPackageRegistry::tPackageRegistry(std::vector<std::string> searchFolders)
    : Folders(std::move(searchFolders)) {}

std::vector<std::string> tPackageRegistry::DefaultSearchFolders() {
  std::vector<std::string> folders{""};
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && program.has_parent_path()) folders.push_back(program.parent_path().string() + "\\");
  return folders;
}

void tPackageRegistry::MountPackage(const std::string& fileName) {
  if (!DiskFileExists(fileName)) return;
  AddPackage(std::make_unique<tZipFile>(fileName));
}

void tPackageRegistry::AddPackage(std::unique_ptr<tZipFile> package) {
  Packages.Add(std::move(package));
}

void tPackageRegistry::AddSearchFolder(const std::string& folderName) {
  std::string folder = Trim(folderName);
  // An empty name would become "\", the root of the disk.
  if (folder.empty()) throw Exception("Search folder name is empty");
  if (folder.back() != '\\') folder += '\\';
  Folders.push_back(std::move(folder));
}

std::optional<std::string> tPackageRegistry::FindOnDisk(const std::string& name) const {
  for (const std::string& folder : Folders)
    if (auto path = FindDiskFile(folder + name)) return path->string();
  for (const auto& package : Packages) {
    const std::string overrides = WithoutExtension(package->FileName()) + "\\";
    for (const std::string& folder : Folders)
      if (auto path = FindDiskFile(folder + overrides + name)) return path->string();
  }
  return std::nullopt;
}

tZippedFile* tPackageRegistry::FindInPackages(const std::string& name) const {
  const std::string trimmed = Trim(name);
  for (const auto& package : Packages)
    for (const std::string& folder : Folders)
      if (tZippedFile* entry = FindEntry(*package, folder + trimmed)) return entry;
  return nullptr;
}

std::unique_ptr<tPackageFileStream> tPackageRegistry::Open(const std::string& name) {
  return std::make_unique<tPackageFileStream>(*this, name);
}

bool tPackageRegistry::Exists(const std::string& name) const {
  return FindOnDisk(name).has_value() || FindInPackages(name) != nullptr;
}

void tPackageRegistry::List(std::string extension, std::vector<std::string>& list) const {
  if (extension.empty() || extension.front() != '.') extension.insert(extension.begin(), '.');
  for (const auto& package : Packages)
    for (const auto& entry : package->Entries)
      if (EndsWithIgnoringCase(entry->Name, extension)) list.push_back(entry->Name);
}

// ---- the program-wide registry ----

tPackageRegistry& PackageFiles() {
  static tPackageRegistry registry(tPackageRegistry::DefaultSearchFolders());
  return registry;
}

void MountPackage(const std::string& fileName) {
  PackageFiles().MountPackage(fileName);
}

void AddSearchFolder(const std::string& folderName) {
  PackageFiles().AddSearchFolder(folderName);
}

std::unique_ptr<tPackageFileStream> OpenPackagedFile(const std::string& name) {
  return PackageFiles().Open(name);
}

void ClosePackagedFile(std::unique_ptr<tPackageFileStream>& stream) {
  stream.reset();
}

bool PackagedFileExists(const std::string& name) {
  return PackageFiles().Exists(name);
}

void ListPackagedFiles(const std::string& extension, std::vector<std::string>& list) {
  PackageFiles().List(extension, list);
}

}  // namespace qn2
