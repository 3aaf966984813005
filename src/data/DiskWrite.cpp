#include "data/DiskWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/Exception.h"
#include "data/DiskFiles.h"

namespace qn2 {

namespace fs = std::filesystem;

namespace {

tWriteFault& Fault() {
  static tWriteFault fault;
  return fault;
}

// The injected failure of a step, 0 when it goes ahead.
int Injected(tWriteStep step, const std::string& fileName) {
  return Fault() ? Fault()(step, fileName) : 0;
}

[[noreturn]] void Fail(const char* what, const std::string& fileName, int error) {
  throw EFileError(std::string(what) + " \"" + fileName + "\": " + std::strerror(error));
}

// Makes a rename inside the folder last through a power cut; a folder that cannot be
// opened or synced only loses that guarantee.
void SyncFolder(const fs::path& folder) {
  const int handle = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (handle < 0) return;
  ::fsync(handle);
  ::close(handle);
}

}  // namespace

void SetWriteFaultForTesting(tWriteFault fault) {
  Fault() = std::move(fault);
}

void WriteDiskFile(const std::string& fileName, std::string_view bytes) {
  const fs::path target = DiskPathForWriting(fileName);
  std::error_code ec;
  if (target.has_parent_path() && !fs::is_directory(target.parent_path(), ec))
    fs::create_directories(target.parent_path(), ec);

  fs::path temporary = target;
  temporary += ".tmp";
  int error = Injected(tWriteStep::Create, fileName);
  std::FILE* file = error ? nullptr : std::fopen(temporary.c_str(), "wb");
  if (!file) Fail("Cannot create file", fileName, error ? error : errno);

  // Every later failure removes the temporary file and leaves the old one as it was.
  const auto failWith = [&](int stepError) {
    if (file) std::fclose(file);
    fs::remove(temporary, ec);
    Fail("Cannot write file", fileName, stepError);
  };
  error = Injected(tWriteStep::Write, fileName);
  if (error) failWith(error);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0)
    failWith(errno ? errno : EIO);
  error = Injected(tWriteStep::Sync, fileName);
  if (error || ::fsync(::fileno(file)) != 0) failWith(error ? error : errno);
  error = Injected(tWriteStep::Close, fileName);
  const int closed = std::fclose(file);
  file = nullptr;
  if (error || closed != 0) failWith(error ? error : errno);
  error = Injected(tWriteStep::Rename, fileName);
  if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error) failWith(error);
  SyncFolder(target.parent_path());
}

std::string KeepDamagedFileAside(const std::string& fileName) {
  const auto source = FindDiskFile(fileName);
  if (!source) return {};
  for (int n = 1; n < 1000; ++n) {
    const std::string suffix = n == 1 ? ".damaged" : ".damaged" + std::to_string(n);
    fs::path copy = *source;
    copy += suffix;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(copy, ec))) continue;
    if (!fs::copy_file(*source, copy, ec)) return {};
    return fileName + suffix;
  }
  return {};
}

}  // namespace qn2
