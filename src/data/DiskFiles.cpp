#include "data/DiskFiles.h"

#include <algorithm>
#include <cstdio>
#include <system_error>
#include <vector>

#include "common/Exception.h"
#include "common/Text.h"

namespace qn2 {

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// The parts of the name: "/" for the root, then the folder and file names. As on the
// game's home system, "." is dropped and ".." removes the part before it without looking
// at the disk; ".." that cannot be removed stays.
std::vector<std::string> Parts(std::string_view name) {
  std::vector<std::string> parts;
  for (const fs::path& element : fs::path(ToDiskSeparators(name))) {
    std::string part = element.string();
    if (part.empty() || part == ".") continue;
    if (part == ".." && !parts.empty() && parts.back() != ".." && parts.back() != "/") {
      parts.pop_back();
      continue;
    }
    if (part == ".." && !parts.empty() && parts.back() == "/") continue;
    parts.push_back(std::move(part));
  }
  return parts;
}

// The entries of the folder whose names differ from part only in ASCII letter case, in
// byte order.
std::vector<std::string> CaseVariants(const fs::path& folder, const std::string& part) {
  std::vector<std::string> variants;
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (candidate != part && SameTextIgnoringCase(candidate, part))
      variants.push_back(std::move(candidate));
  }
  std::sort(variants.begin(), variants.end());
  return variants;
}

// A regular file at current + parts[index...], trying the exact name of each part
// first and then its case variants (several can exist on a case-sensitive disk).
std::optional<fs::path> FindFrom(const fs::path& current, const std::vector<std::string>& parts,
                                 std::size_t index) {
  if (index == parts.size()) {
    std::error_code ec;
    if (fs::is_regular_file(current, ec)) return current;
    return std::nullopt;
  }
  const std::string& part = parts[index];
  if (part == "/" || part == "..") return FindFrom(current / part, parts, index + 1);
  if (Exists(current / part))
    if (auto found = FindFrom(current / part, parts, index + 1)) return found;
  for (const std::string& variant : CaseVariants(current, part))
    if (auto found = FindFrom(current / variant, parts, index + 1)) return found;
  return std::nullopt;
}

}  // namespace

std::string ToDiskSeparators(std::string_view name) {
  std::string result(name);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

std::optional<fs::path> FindDiskFile(std::string_view name) {
  // A name ending in a separator names a folder.
  if (name.empty() || name.back() == '\\' || name.back() == '/') return std::nullopt;
  const std::vector<std::string> parts = Parts(name);
  if (parts.empty()) return std::nullopt;
  return FindFrom(fs::path(), parts, 0);
}

bool DiskFileExists(std::string_view name) {
  return FindDiskFile(name).has_value();
}

fs::path DiskPathForWriting(std::string_view name) {
  fs::path current;
  bool matching = true;
  for (const std::string& part : Parts(name)) {
    if (matching && part != "/" && part != ".." && !Exists(current / part)) {
      const std::vector<std::string> variants = CaseVariants(current, part);
      if (variants.empty()) {
        matching = false;
      } else {
        current /= variants.front();
        continue;
      }
    }
    current /= part;
  }
  return current;
}

}  // namespace qn2
