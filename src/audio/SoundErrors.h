#pragma once

#include <string>

#include "common/Exception.h"

namespace qn2 {

// A sample could not be loaded or played. The message names the operation, followed by
// a carriage return.
class eFSoundError : public Exception {
 public:
  explicit eFSoundError(const std::string& operation) : Exception(operation + "\r") {}
};

// A music module could not be loaded or played.
class eFMusicError : public Exception {
 public:
  explicit eFMusicError(const std::string& operation) : Exception(operation + "\r") {}
};

}  // namespace qn2
