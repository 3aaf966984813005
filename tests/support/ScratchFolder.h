#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace qn2::testing {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class tScratchFolder {
 public:
  tScratchFolder() {
    std::random_device seed;
    Path = fs::temp_directory_path() /
           ("qn2-data-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    fs::create_directories(Path);
  }
  ~tScratchFolder() {
    std::error_code ec;
    fs::remove_all(Path, ec);
  }
  tScratchFolder(const tScratchFolder&) = delete;
  tScratchFolder& operator=(const tScratchFolder&) = delete;

  fs::path operator/(const fs::path& name) const { return Path / name; }
  const fs::path& path() const { return Path; }

 private:
  fs::path Path;
};

}  // namespace qn2::testing
