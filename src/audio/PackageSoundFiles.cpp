#include "audio/PackageSoundFiles.h"

#include <memory>

#include "data/PackageFiles.h"

namespace qn2 {

namespace {

tPackageFileStream& StreamOf(tSoundFileHandle file) {
  return *static_cast<tPackageFileStream*>(file);
}

}  // namespace

tSoundFileCallbacks PackageSoundFileCallbacks() {
  tSoundFileCallbacks callbacks;
  callbacks.Open = [](const std::string& name) -> tSoundFileHandle {
    return OpenPackagedFile(name).release();
  };
  callbacks.Close = [](tSoundFileHandle file) { delete static_cast<tPackageFileStream*>(file); };
  callbacks.Read = [](void* buffer, std::size_t size, tSoundFileHandle file) {
    return StreamOf(file).Read(buffer, size);
  };
  callbacks.Seek = [](tSoundFileHandle file, std::int64_t position, int mode) {
    // A position before the start is refused; the stream stays where it was.
    try {
      switch (mode) {
        case 0:
          StreamOf(file).Seek(position, tSeekOrigin::Beginning);
          break;
        case 1:
          StreamOf(file).Seek(position, tSeekOrigin::Current);
          break;
        case 2:
          StreamOf(file).Seek(position, tSeekOrigin::End);
          break;
        default:
          break;
      }
    } catch (const EStreamError&) {
      return -1;
    }
    return 0;
  };
  callbacks.Tell = [](tSoundFileHandle file) { return StreamOf(file).Position(); };
  return callbacks;
}

}  // namespace qn2
