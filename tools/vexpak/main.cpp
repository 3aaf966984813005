// vexpak: the resource package tool.
//
//   vexpak create OUT DIR   zip every file under DIR into OUT
//   vexpak list PAK         print the entry names in directory order
//   vexpak cat PAK NAME     write the entry the game would find for NAME to stdout

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "data/FileStream.h"
#include "data/PackageFiles.h"
#include "data/ZipFiles.h"
#include "data/ZipWriter.h"

namespace fs = std::filesystem;

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

constexpr const char* Usage =
    "usage: vexpak create OUT DIR   zip every file under DIR into OUT (names relative to\n"
    "                               DIR, sorted, fixed time stamps; deflated, or stored\n"
    "                               when deflating does not make an entry smaller)\n"
    "       vexpak list PAK         print the entry names of PAK in directory order\n"
    "       vexpak cat PAK NAME     write the entry the game finds for NAME to standard\n"
    "                               output (letter case ignored, \"\\\" read as \"/\"; NAME,\n"
    "                               then Levels/, BackDrops/, MenuGFX/, Popups/ + NAME)\n"
    "exit status: 0 done, 1 failed (the reason on standard error), 2 wrong arguments\n";

class tUsageError {};

// The exact file (no search ignoring letter case: the path came from the folder listing).
std::vector<std::uint8_t> ReadWholeFile(const fs::path& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) throw qn2::EFileError("Cannot open file \"" + path.string() + "\"");
  std::vector<std::uint8_t> bytes;
  std::uint8_t block[65536];
  std::size_t n;
  while ((n = std::fread(block, 1, sizeof block, file.get())) > 0)
    bytes.insert(bytes.end(), block, block + n);
  if (std::ferror(file.get())) throw qn2::EFileError("Stream read error");
  return bytes;
}

int Create(const std::string& outName, const std::string& dirName) {
  const fs::path dir(dirName);
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) throw qn2::EFileError("Folder not found '" + dirName + "'.");
  const fs::path out = fs::weakly_canonical(fs::absolute(outName), ec);

  // Names relative to DIR with "/"; sorted by their bytes, so the archive is the same
  // on every machine.
  std::vector<std::pair<std::string, fs::path>> files;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file()) continue;
    if (fs::weakly_canonical(it->path()) == out) continue;  // the package being rewritten
    std::string name = fs::relative(it->path(), dir).generic_string();
    // The game reads "\" as a folder separator, so such a name could never be found.
    if (name.find('\\') != std::string::npos)
      throw qn2::EZipError("File name contains \"\\\": '" + name + "'");
    files.emplace_back(std::move(name), it->path());
  }
  if (ec) throw qn2::EFileError("Cannot read folder '" + dirName + "': " + ec.message());
  std::sort(files.begin(), files.end());

  // The archive is built in memory and written once it is complete, so a failure never
  // leaves half a package behind.
  qn2::tMemoryStream archive;
  qn2::tZipWriter writer(archive);
  for (const auto& [name, path] : files) writer.Add(name, ReadWholeFile(path));
  writer.Finish();
  qn2::tFileStream file(outName, qn2::tFileStream::tMode::Create);
  file.WriteBuffer(archive.Memory(), static_cast<std::size_t>(archive.Size()));
  return 0;
}

int List(const std::string& pakName) {
  qn2::tZipFile zip(pakName);
  for (const auto& entry : zip.Entries) std::cout << entry->Name << '\n';
  std::cout.flush();
  return std::cout ? 0 : ExitFailure;
}

int Cat(const std::string& pakName, const std::string& name) {
  // The same search as the game's: the name itself, then under each game folder.
  qn2::tPackageRegistry registry({""});
  for (const char* folder : qn2::GameDataFolders) registry.AddSearchFolder(folder);
  registry.AddPackage(std::make_unique<qn2::tZipFile>(pakName));
  const qn2::tZippedFile* entry = registry.FindInPackages(name);
  if (!entry) throw qn2::EFileMissing("File Missing '" + name + "'.");

  qn2::tZippedStream stream(*entry);
  std::vector<std::uint8_t> block(65536);
  std::int64_t remaining = entry->UncompressedSize();
  while (remaining > 0) {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(remaining, block.size()));
    stream.ReadBuffer(block.data(), n);
    if (std::fwrite(block.data(), 1, n, stdout) != n) throw qn2::EFileError("Stream write error");
    remaining -= static_cast<std::int64_t>(n);
  }
  if (std::fflush(stdout) != 0) throw qn2::EFileError("Stream write error");
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[0] == "create") return Create(args[1], args[2]);
  if (args.size() == 2 && args[0] == "list") return List(args[1]);
  if (args.size() == 3 && args[0] == "cat") return Cat(args[1], args[2]);
  throw tUsageError();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const tUsageError&) {
    std::cerr << Usage;
    return ExitUsage;
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return ExitFailure;
  }
}
